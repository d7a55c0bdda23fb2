#include "iconsmith/app/sel_icon_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "iconsmith/app/icon_pictures.h"
#include "iconsmith/icons/icon_collection.h"
#include "shared/general/program_identity.h"

namespace {
constexpr int kIconSide = 32;
constexpr int kItemsPerYield = 32;
}  // namespace

QString SelIconDialog::CaptionFor(int iconCount) {
    return QString::fromStdString(RARUVOVOVA2DIVFU::ThisProgram().name) +
           QStringLiteral(" - Icon-Auswahl (%1 St\u00fcck)").arg(iconCount);
}

SelIconDialog::SelIconDialog(platform::EventPump& pump, std::function<void(int)> takePickedIcon,
                             QWidget* owner)
    : QDialog(owner), pump_(pump), takePickedIcon_(std::move(takePickedIcon)) {
    setObjectName(QStringLiteral("SelIconDialog"));
    setModal(true);
    setSizeGripEnabled(true);

    Frame1 = new QGroupBox(
        QStringLiteral("Bitte w\u00e4hlen Sie das gew\u00fcnschte Icon aus ... "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    IconListView = new QListWidget(Frame1);
    IconListView->setObjectName(QStringLiteral("IconListView"));
    IconListView->setViewMode(QListView::IconMode);
    IconListView->setIconSize(QSize(kIconSide, kIconSide));
    IconListView->setGridSize(QSize(56, 60));
    IconListView->setMovement(QListView::Static);
    IconListView->setResizeMode(QListView::Adjust);
    IconListView->setUniformItemSizes(true);
    IconListView->setSelectionMode(QAbstractItemView::SingleSelection);
    IconListView->setWordWrap(false);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(IconListView);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    const std::pair<int, QString> buttons[] = {{0, QStringLiteral("OK")},
                                               {1, QStringLiteral("Abbrechen")}};
    for (const auto& [index, caption] : buttons) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("Btn[%1]").arg(index));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i = index] { onBtnClicked(i); });
        buttonRow->addWidget(button);
        Btn[index] = button;
    }
    // A double-click on an icon is the same as selecting it and pressing OK.
    connect(IconListView, &QListWidget::itemDoubleClicked, this, [this] { onBtnClicked(0); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttonRow);
    resize(560, 420);
}

void SelIconDialog::openModal() {
    const int iconCount = Module1::IconCount();
    setWindowTitle(CaptionFor(iconCount));
    // The buttons wait for the complete list; the close box works at any time.
    for (auto& [index, button] : Btn) button->setEnabled(false);
    show();
    fillIconList();
    if (closed_) return;  // closed by its frame while it was filling
    for (auto& [index, button] : Btn) button->setEnabled(true);
    exec();
}

void SelIconDialog::fillIconList() {
    const int iconCount = Module1::IconCount();
    for (int number = 1; number <= iconCount && !closed_; ++number) {
        auto* item = new QListWidgetItem(IconPicture(Module1::IconFileBytes(number), kIconSide),
                                         QString::number(number));
        item->setData(Qt::UserRole, number);
        item->setTextAlignment(Qt::AlignHCenter);
        IconListView->addItem(item);
        if (number % kItemsPerYield == 1) pump_.yield();
    }
}

void SelIconDialog::onBtnClicked(int index) {
    switch (index) {
        case 0: {
            // OK without a selected icon closes without a change.
            const QListWidgetItem* item = IconListView->currentItem();
            const bool chosen = item && item->isSelected();
            takePickedIcon_(chosen ? item->data(Qt::UserRole).toInt() : 0);
            accept();
            break;
        }
        case 1:
            takePickedIcon_(0);
            reject();
            break;
        default:
            break;
    }
}

void SelIconDialog::done(int result) {
    closed_ = true;
    QDialog::done(result);
}
