#include "iconsmith/app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "iconsmith/app/icon_pictures.h"
#include "iconsmith/app/sel_icon_dialog.h"
#include "iconsmith/engine/batch_run.h"
#include "iconsmith/engine/web_file_scanner.h"
#include "shared/general/program_folder.h"
#include "shared/general/program_identity.h"
#include "shared/general/text_operations.h"
#include "shared/services/once_warning.h"
#include "shared/services/shell_launch.h"
#include "shared/widgets/info_form_freeware.h"
#include "shared/widgets/picture_link.h"

namespace {

constexpr int kPreviewSide = 32;

// Commands that would disturb a running fill or batch run.
constexpr int kInterferingBtns[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11};

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QPixmap Asset(const char* path) {
    return QPixmap(QString::fromLatin1(path));
}

// A picture of the program's resources, or the style's stand-in should it be missing.
QIcon IconAsset(const char* path, QStyle::StandardPixmap standIn, const QStyle* style) {
    const QString name = QString::fromLatin1(path);
    return QFile::exists(name) ? QIcon(name) : style->standardIcon(standIn);
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      context_{state_, list_, *this, services_.dialogs, services_.pump, services_.clock} {
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    updateCommandStates();
}

Form1::~Form1() {
    // The list view must let go of the model before the model member is destroyed.
    if (Liste) Liste->setModel(nullptr);
}

QPushButton* Form1::makeBtn(int index, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("Btn[%1]").arg(index));
    connect(button, &QPushButton::clicked, this, [this, index] { onBtnClicked(index); });
    Btn[index] = button;
    return button;
}

void Form1::buildControls() {
    setWindowIcon(QIcon(QStringLiteral(":/iconsmith/iconsmith.ico")));
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Heading row: logo and title.
    Picture1 = new RARUVOVOVA::PictureLink(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Asset(":/iconsmith/corvale_logo.png"));
    Picture1->onClick([this] { RARUVOVOVA::OpenMakerSite(services_.shell); });

    Label1 = new QLabel(QStringLiteral("Favicon-Verweise"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = Label1->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    Label1->setFont(headingFont);

    // Page list with the web root above it: the part that grows with the window.
    LocalWebRootLBL = new QLabel(QStringLiteral("(kein)"), central);
    LocalWebRootLBL->setObjectName(QStringLiteral("LocalWebRootLBL"));
    LocalWebRootLBL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LocalWebRootLBL->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    Liste = new QTreeView(central);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setModel(&list_);
    Liste->setRootIsDecorated(false);
    Liste->setItemsExpandable(false);
    Liste->setUniformRowHeights(true);
    Liste->setAllColumnsShowFocus(true);
    Liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste->setTextElideMode(Qt::ElideMiddle);
    Liste->header()->setSectionsClickable(true);
    Liste->header()->setSortIndicatorShown(false);
    Liste->header()->setStretchLastSection(true);
    Liste->setMinimumSize(360, 200);
    connect(Liste->header(), &QHeaderView::sectionClicked, this,
            [this](int logicalIndex) { onHeaderClicked(logicalIndex + 1); });
    connect(Liste, &QTreeView::doubleClicked, this, [this] { onListDoubleClicked(); });
    connect(Liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form1::mirrorViewSelectionToModel);
    connect(&list_, &Module1::PageListModel::selectionFlagsChanged, this,
            &Form1::mirrorModelSelectionToView);
    const auto mirrorAll = [this] { mirrorModelSelectionToView(0, list_.count() - 1); };
    connect(&list_, &QAbstractItemModel::modelReset, this, mirrorAll);
    connect(&list_, &QAbstractItemModel::layoutChanged, this, mirrorAll);
    connect(&list_, &QAbstractItemModel::rowsInserted, this, mirrorAll);

    // Favicon: reload button, picker button, preview.
    FaviconSelFrame = new QGroupBox(QStringLiteral("Favicon"), central);
    FaviconSelFrame->setObjectName(QStringLiteral("FaviconSelFrame"));
    auto* reload = makeBtn(11, QString(), FaviconSelFrame);
    reload->setIcon(IconAsset(":/iconsmith/reload.png", QStyle::SP_BrowserReload, style()));
    reload->setToolTip(QStringLiteral("Aktuelles Favicon im oben eingestellten Pfad"));
    makeBtn(7, QStringLiteral("&W\u00e4hlen ..."), FaviconSelFrame);
    IconPreviewImg = new QLabel(FaviconSelFrame);
    IconPreviewImg->setObjectName(QStringLiteral("IconPreviewImg"));
    IconPreviewImg->setFixedSize(kPreviewSide + 4, kPreviewSide + 4);
    IconPreviewImg->setAlignment(Qt::AlignCenter);
    IconPreviewImg->setFrameShape(QFrame::StyledPanel);
    IconPreviewImg->setToolTip(
        QStringLiteral("Dies ist das zurzeit festgelegte Icon. Die Anzeige kann von der "
                       "tats\u00e4chlichen Gr\u00f6\u00dfe abweichen."));
    auto* faviconLayout = new QHBoxLayout(FaviconSelFrame);
    faviconLayout->addWidget(IconPreviewImg);
    faviconLayout->addWidget(reload);
    faviconLayout->addWidget(Btn[7], 1);

    // Modes.
    Frame4 = new QGroupBox(
        QStringLiteral("Wie sollen die markierten [v] Dateien bearbeitet werden?"), central);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    const QString optionCaptions[] = {QStringLiteral("einse&tzen / auffrischen"),
                                      QStringLiteral("l\u00f6s&chen")};
    auto* modeLayout = new QHBoxLayout(Frame4);
    for (int i = 0; i < 2; ++i) {
        SetUnsetFaviconOPT[i] = new QRadioButton(optionCaptions[i], Frame4);
        SetUnsetFaviconOPT[i]->setObjectName(QStringLiteral("SetUnsetFaviconOPT[%1]").arg(i));
        connect(SetUnsetFaviconOPT[i], &QRadioButton::clicked, this, [this] { onOptionClicked(); });
        modeLayout->addWidget(SetUnsetFaviconOPT[i]);
    }
    modeLayout->addStretch(1);
    SetUnsetFaviconOPT[0]->setChecked(true);

    // List commands.
    Frame1 = new QGroupBox(QStringLiteral("Vorgaben"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* listCommands = new QGridLayout(Frame1);
    listCommands->addWidget(makeBtn(4, QStringLiteral("&Pfad"), Frame1), 0, 0);
    listCommands->addWidget(makeBtn(0, QStringLiteral("Liste l&\u00f6schen"), Frame1), 0, 1);
    listCommands->addWidget(makeBtn(1, QStringLiteral("&Alle ausw\u00e4hlen"), Frame1), 1, 0);
    listCommands->addWidget(makeBtn(2, QStringLiteral("Auswahl &l\u00f6schen"), Frame1), 1, 1);
    listCommands->addWidget(makeBtn(3, QStringLiteral("Auswahl &umkehren"), Frame1), 2, 0, 1, 2);
    listCommands->addWidget(
        makeBtn(5, QStringLiteral("Auswahl als &Markierung \u00fcbernehmen"), Frame1), 3, 0, 1, 2);
    listCommands->addWidget(makeBtn(6, QStringLiteral("Auswahl auf Mar&kierung anwenden"), Frame1),
                            4, 0, 1, 2);

    // Run commands and progress.
    Frame2 = new QGroupBox(QStringLiteral("Steuerung"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* start = makeBtn(8, QStringLiteral("&Start"), Frame2);
    start->setIcon(IconAsset(":/iconsmith/start.png", QStyle::SP_MediaPlay, style()));
    Bar = new QProgressBar(Frame2);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 1);
    Bar->setValue(0);
    Bar->setTextVisible(false);
    auto* runCommands = new QGridLayout(Frame2);
    runCommands->addWidget(start, 0, 0);
    runCommands->addWidget(makeBtn(10, QStringLiteral("&Hilfe"), Frame2), 0, 1);
    runCommands->addWidget(makeBtn(25, QStringLiteral("&Info"), Frame2), 1, 0);
    runCommands->addWidget(makeBtn(9, QStringLiteral("&Ende"), Frame2), 1, 1);
    runCommands->addWidget(Bar, 2, 0, 1, 2);

    // Badges of the maker and the partner magazine.
    Image2 = new RARUVOVOVA::PictureLink(central);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(Asset(":/iconsmith/corvale_badge.png"));
    Image2->setToolTip(
        QStringLiteral("Klicken Sie hier, um noch mehr interessante Corvale-Programme "
                       "kennenzulernen ..."));
    Image2->onClick([this] { RARUVOVOVA::OpenMakerSite(services_.shell); });
    Image1 = new RARUVOVOVA::PictureLink(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Asset(":/iconsmith/webmagazin_badge.png"));
    Image1->setToolTip(
        QStringLiteral("Klicken Sie hier, um die neuesten Nachrichten aus dem WebMagazin zu "
                       "lesen ..."));
    Image1->onClick([this] { RARUVOVOVA::OpenMagazineSite(services_.shell); });

    // Left: heading, web root, list (grows). Right: the command groups, fixed in width.
    auto* heading = new QHBoxLayout;
    heading->addWidget(Picture1);
    heading->addWidget(Label1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(heading);
    left->addWidget(LocalWebRootLBL);
    left->addWidget(Liste, 1);

    auto* badges = new QHBoxLayout;
    badges->addStretch(1);
    badges->addWidget(Image2);
    badges->addWidget(Image1);

    auto* right = new QVBoxLayout;
    right->addWidget(FaviconSelFrame);
    right->addWidget(Frame4);
    right->addWidget(Frame1);
    right->addWidget(Frame2);
    right->addStretch(1);
    right->addLayout(badges);

    auto* rightPanel = new QWidget(central);
    rightPanel->setLayout(right);
    rightPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    right->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 1);
    layout->addWidget(rightPanel);

    // Status bar: file count and messages. Long paths must not widen the window.
    statusPanel1_ = new QLabel(QStringLiteral("0 Dateien"), this);
    statusPanel1_->setObjectName(QStringLiteral("Status.Panel1"));
    statusPanel1_->setMinimumWidth(110);
    statusPanel2_ = new QLabel(this);
    statusPanel2_->setObjectName(QStringLiteral("Status.Panel2"));
    statusPanel2_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusPanel2_->setMinimumWidth(1);
    statusBar()->setObjectName(QStringLiteral("Status"));
    statusBar()->addWidget(statusPanel1_);
    statusBar()->addWidget(statusPanel2_, 1);

    resize(860, 600);
}

void Form1::Load() {
    setWindowTitle(Text(RARUVOVOVA2DIVFU::ThisProgram().name));
    Module1::ClearFileList(context_);
    Module1::LoadExternalOptions(state_, programFolder());
    show();
    // The warning belongs on top of a visible window, so it waits until the window is shown.
    QTimer::singleShot(
        0, this, [this] { RARUVOVOVA::CheckOnceWarning(services_.dialogs, services_.settings); });
}

std::string Form1::programFolder() const {
    return services_.programFolder.empty()
               ? RARUVOVOVA2DIVFU::AppFolder()
               : RARUVOVOVA2DIVFU::EnsureBackslash(services_.programFolder);
}

void Form1::onBtnClicked(int index) {
    if (busy_) {
        for (const int interfering : kInterferingBtns)
            if (index == interfering) return;
    }
    switch (index) {
        case 0:
            Module1::ClearFileList(context_);
            Liste->setFocus();
            break;
        case 1:
            ListeSelect(1);
            Liste->setFocus();
            break;
        case 2:
            ListeSelect(0);
            Liste->setFocus();
            break;
        case 3:
            ListeSelect(2);
            Liste->setFocus();
            break;
        case 4: {
            // The same steps as Module1::ChooseWebRoot, with the commands locked only once a
            // folder was chosen, so the window does not sit greyed out behind the chooser.
            const std::string path = RARUVOVOVA2DIVFU::CutAtNullChar(
                services_.folderChooser.BrowseForFolder(Module1::kChooseRootPrompt));
            if (!path.empty()) runExclusive([&] { Module1::FillPageList(context_, path); });
            break;
        }
        case 5:
            ListeSelect(101);
            Liste->setFocus();
            break;
        case 6:
            ListeSelect(102);
            Liste->setFocus();
            break;
        case 7:
            showIconPicker();
            break;
        case 8:
            runExclusive([this] { Module1::StartSequence(context_); });
            break;
        case 9:
            if (services_.endProgram)
                services_.endProgram(busy_);
            else
                EndProgramNow(busy_);
            break;
        case 10:
            RARUVOVOVA::ShowHelp(services_.dialogs, services_.shell, programFolder());
            break;
        case 11:
            Module1::RefreshIconPreview(context_);
            break;
        case 25:
            RARUVOVOVA::InfoFormFreeware::ShowInfo(services_.shell, services_.clock, this);
            break;
        default:
            break;
    }
}

void Form1::ListeSelect(int32_t mode) {
    // The mode is judged per entry, so an empty list never reports an unknown mode.
    if (list_.applySelectionMode(mode) || list_.count() == 0) return;
    services_.dialogs.message("Unknown Mode " + std::to_string(mode) + " in ListeSelect(Mode)",
                              RARUVOVOVA2DIVFU::ThisProgram().name, platform::MessageButtons::Ok,
                              platform::MessageIcon::Critical);
}

void Form1::EditFile(const std::string& path) {
    services_.shell.execute(platform::ShellVerb::Edit, path, 1);
}

void Form1::onOptionClicked() {
    state_.removeMode = SetUnsetFaviconOPT[1]->isChecked();
    FaviconSelFrame->setEnabled(SetUnsetFaviconOPT[0]->isChecked());
}

void Form1::onHeaderClicked(int column) {
    // Sorting moves entries under a running fill or batch run; it waits until the work is done.
    if (busy_) return;
    Qt::SortOrder order = list_.sortOrder();
    if (column == LastSortColumn) {
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    } else {
        LastSortColumn = column;
    }
    list_.sort(column - 1, order);
    Liste->header()->setSortIndicatorShown(true);
    Liste->header()->setSortIndicator(column - 1, order);
}

void Form1::onListDoubleClicked() {
    // Only a selected entry is opened; a double-click that left nothing selected does nothing.
    const QModelIndex current = Liste->currentIndex();
    int row = -1;
    if (current.isValid() && list_.isSelected(current.row())) {
        row = current.row();
    } else {
        for (int i = 0; i < list_.count() && row < 0; ++i)
            if (list_.isSelected(i)) row = i;
    }
    if (row >= 0) EditFile(list_.text(row));
}

void Form1::showIconPicker() {
    if (pickerOpen_ || busy_) return;
    pickerOpen_ = true;
    SelIconDialog picker(
        services_.pump, [this](int number) { Module1::TakePickedIcon(context_, number); }, this);
    picker.openModal();
    pickerOpen_ = false;
}

void Form1::runExclusive(const std::function<void()>& work) {
    if (busy_ || state_.WorkInProgress) return;
    busy_ = true;
    updateCommandStates();
    try {
        work();
    } catch (const std::exception& error) {
        services_.dialogs.message(
            std::string("Der Vorgang wurde wegen eines unerwarteten Fehlers abgebrochen:\r\r") +
                error.what(),
            RARUVOVOVA2DIVFU::ThisProgram().name, platform::MessageButtons::Ok,
            platform::MessageIcon::Critical);
    }
    busy_ = false;
    setBusy(false);
    updateCommandStates();
}

void Form1::updateCommandStates() {
    for (const int index : kInterferingBtns) Btn[index]->setEnabled(!busy_);
    if (!runCommandsEnabled_) {
        Btn[8]->setEnabled(false);
        Btn[11]->setEnabled(false);
    }
    // A run reads the mode for every page; switching it half-way would mix the two modes.
    Frame4->setEnabled(!busy_);
    FaviconSelFrame->setEnabled(SetUnsetFaviconOPT[0]->isChecked());
}

void Form1::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // Closing the window during a fill or a run ends the program like "&Ende".
        if (services_.endProgram) {
            services_.endProgram(true);
            event->ignore();
            return;
        }
        EndProgramNow(true);
    }
    QMainWindow::closeEvent(event);
}

void Form1::EndProgramNow(bool workInProgress) {
    if (workInProgress) {
        // The engine's loop is running inside a nested event loop and would carry on after an
        // ordinary quit; every file it writes is replaced atomically, so stopping here is safe.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    QApplication::closeAllWindows();
    QApplication::exit(0);
}

// ---- EngineView

void Form1::showStatusText(const std::string& text) {
    statusPanel2_->setText(Text(text));
}

void Form1::showFileCountText(const std::string& text) {
    statusPanel1_->setText(Text(text));
}

void Form1::setProgressRange(int minimum, int maximum) {
    // An empty range would turn the bar into a busy indicator; it stays an empty bar instead.
    if (maximum <= minimum) maximum = minimum + 1;
    Bar->setRange(minimum, maximum);
}

void Form1::setProgressValue(int value) {
    Bar->setValue(value);
}

void Form1::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void Form1::enableRunCommands() {
    runCommandsEnabled_ = true;
    updateCommandStates();
}

void Form1::showWebRoot(const std::string& text) {
    LocalWebRootLBL->setText(Text(text));
}

void Form1::showIcon(const std::string& icoBytes) {
    IconPreviewImg->setPixmap(IconPicture(icoBytes, kPreviewSide));
}

// ---- selection mirror

void Form1::mirrorViewSelectionToModel(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    if (mirroring_) return;
    mirroring_ = true;
    const auto coversAllRows = [this](const QItemSelection& ranges) {
        return ranges.size() == 1 && ranges.front().top() == 0 &&
               ranges.front().bottom() == list_.count() - 1;
    };
    // Select all (Ctrl+A) and a click that ends it are one bulk change, not one per row.
    if (coversAllRows(selected) && deselected.isEmpty()) {
        list_.selectAll(true);
    } else if (coversAllRows(deselected) && selected.isEmpty()) {
        list_.selectAll(false);
    } else {
        for (const QItemSelectionRange& range : deselected)
            for (int row = range.top(); row <= range.bottom(); ++row) list_.setSelected(row, false);
        for (const QItemSelectionRange& range : selected)
            for (int row = range.top(); row <= range.bottom(); ++row) list_.setSelected(row, true);
    }
    mirroring_ = false;
}

void Form1::mirrorModelSelectionToView(int first, int last) {
    if (mirroring_) return;
    QItemSelectionModel* selection = Liste->selectionModel();
    if (!selection) return;
    mirroring_ = true;
    last = std::min(last, list_.count() - 1);
    if (first <= 0 && last >= list_.count() - 1) {
        selection->clearSelection();
    } else if (first <= last) {
        selection->select(QItemSelection(list_.index(first, 0), list_.index(last, 0)),
                          QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    QItemSelection marked;
    for (int row = std::max(first, 0); row <= last; ++row) {
        if (!list_.isSelected(row)) continue;
        int end = row;
        while (end + 1 <= last && list_.isSelected(end + 1)) ++end;
        marked.select(list_.index(row, 0), list_.index(end, 0));
        row = end;
    }
    if (!marked.isEmpty())
        selection->select(marked, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    mirroring_ = false;
}
