#include "shared/widgets/window_placement.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>
#include <QWindow>

using namespace RARUVOVOVA;

TEST(CenteredEdge, RoundsHalfToEvenThenHalvesTowardZero) {
    struct Case {
        double screen, window;
        int expected;
    };
    const Case cases[] = {
        {12000, 3000, 4500}, {7, 0, 3},   {0, 7, -3},   {3000, 12000, -4500},
        {6.5, 0, 3},         {7.5, 0, 4}, {0, 6.5, -3}, {0, 7.5, -4},
        {8.5, 0, 4},         {9.4, 0, 4}, {9.6, 0, 5},  {0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen) + " - " + std::to_string(c.window));
        EXPECT_EQ(CenteredEdge(c.screen, c.window), c.expected);
    }
}

TEST(CenterForm, PutsTheWindowInTheMiddleOfItsScreen) {
    QWidget form;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    struct Case {
        int width, height;
    };
    // Even and odd differences, and a window larger than the screen sticking out on both sides.
    const Case cases[] = {{300, 200}, {301, 199}, {screen.width() + 100, screen.height() + 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        form.resize(c.width, c.height);
        CenterForm(form);
        const QRect frame = form.frameGeometry();
        EXPECT_EQ(frame.size(), QSize(c.width, c.height));
        EXPECT_LE(std::abs(frame.left() - screen.left() - (screen.width() - c.width) / 2), 1);
        EXPECT_LE(std::abs(frame.top() - screen.top() - (screen.height() - c.height) / 2), 1);
    }
}

TEST(SetTopmost, ChangesOnlyTheStackingOfAShownWindow) {
    QWidget form;
    form.setGeometry(40, 50, 320, 240);
    form.show();
    const QRect before = form.geometry();
    SetTopmost(form, true);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), before);
    SetTopmost(form, false);
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), before);

    QWidget hidden;  // not shown yet: the flag waits for the first showing
    SetTopmost(hidden, true);
    hidden.show();
    EXPECT_TRUE(hidden.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(SelectAllText, SelectsTheWholeTextOrNothing) {
    QLineEdit line;
    line.setText("geheim123");
    line.setCursorPosition(3);
    SelectAllText(line);
    EXPECT_EQ(line.selectionStart(), 0);
    EXPECT_EQ(line.selectedText(), "geheim123");

    QLineEdit empty;
    SelectAllText(empty);
    EXPECT_FALSE(empty.hasSelectedText());
    EXPECT_EQ(empty.cursorPosition(), 0);

    QPlainTextEdit note;
    note.setPlainText("Zeile 1\nZeile 2");
    SelectAllText(note);
    EXPECT_EQ(note.textCursor().selectionStart(), 0);
    EXPECT_EQ(note.textCursor().selectedText(), QString("Zeile 1") + QChar(0x2029) + "Zeile 2");
}
