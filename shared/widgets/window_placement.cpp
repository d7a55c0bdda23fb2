#include "shared/widgets/window_placement.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace RARUVOVOVA {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int CenteredEdge(double screenTwips, double windowTwips) {
    // nearbyint rounds halves to even under the default rounding mode.
    const auto difference = static_cast<long long>(std::nearbyint(screenTwips - windowTwips));
    return static_cast<int>(difference / 2);  // integer division drops the remainder toward zero
}

void CenterForm(QWidget& form) {
    QScreen* screen = form.screen() != nullptr ? form.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize window = form.frameGeometry().size();
    const double twipsPerPixelX = kTwipsPerInch / screen->logicalDotsPerInchX();
    const double twipsPerPixelY = kTwipsPerInch / screen->logicalDotsPerInchY();
    const int leftTwips =
        CenteredEdge(area.width() * twipsPerPixelX, window.width() * twipsPerPixelX);
    const int topTwips =
        CenteredEdge(area.height() * twipsPerPixelY, window.height() * twipsPerPixelY);
    form.move(area.x() + static_cast<int>(std::lround(leftTwips / twipsPerPixelX)),
              area.y() + static_cast<int>(std::lround(topTwips / twipsPerPixelY)));
}

void SetTopmost(QWidget& form, bool onTop) {
    if (form.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    Qt::WindowFlags flags = form.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow* window = form.windowHandle()) {
        // Changing the flags of a shown widget would hide and re-create its window; telling the
        // existing native window changes only its stacking.
        form.overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        form.setWindowFlags(flags);
    }
}

void SelectAllText(QLineEdit& textBox) {
    textBox.setSelection(0, textBox.text().size());
}

void SelectAllText(QPlainTextEdit& textBox) {
    textBox.selectAll();
}

}  // namespace RARUVOVOVA
