#include "shared/widgets/info_form_freeware.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "shared/general/text_operations.h"
#include "shared/services/shell_launch.h"
#include "shared/services/windows_version.h"
#include "shared/widgets/picture_link.h"
#include "shared/widgets/window_placement.h"

namespace RARUVOVOVA {

namespace {

constexpr const char* kCopyrightHolder = "Corvale Software";
constexpr int kFirstCopyrightYear = 2001;

QString DisplayText(const std::string& text) {
    // The info text keeps its single carriage returns; a label breaks lines at line feeds.
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

QPointer<InfoFormFreeware> InfoFormFreeware::openInstance_;

std::string InfoFormFreeware::InfoText(const RARUVOVOVA2DIVFU::ProgramIdentity& program, int year) {
    const std::string version = RARUVOVOVA2DIVFU::AppVersionText(256, program.version);
    std::string text = program.name + version + " \u2013";
    text += RARUVOVOVA2DIVFU::PickText(" ", !program.description.empty(), "");
    text += program.description;
    text += "\r\r";
    text += "Copyright \u00a9 " + std::to_string(kFirstCopyrightYear) + "\u2013" +
            std::to_string(year) + " " + kCopyrightHolder;
    text += "\r\r";
    text +=
        "Verbesserungsvorschl\u00e4ge sind mir immer gern willkommen. Weitere interessante Tools "
        "und Infos finden Sie auf meiner Web-Site unter";
    text += " ";
    text += kMakerSite;
    return text;
}

std::string InfoFormFreeware::MailTarget(const RARUVOVOVA2DIVFU::ProgramIdentity& program,
                                         const std::string& systemVersion) {
    // The subject goes in as it reads; the shell layer makes a valid URL of it.
    return std::string("mailto:") + kSupportMail + "?subject=" + program.name +
           RARUVOVOVA2DIVFU::AppVersionText(256, program.version) + " unter Windows " +
           systemVersion;
}

bool InfoFormFreeware::PlacesAtTopLeft(QSize screenPixels) {
    return screenPixels.width() <= 640 || screenPixels.height() <= 480;
}

InfoFormFreeware* InfoFormFreeware::OpenInstance() {
    return openInstance_.data();
}

InfoFormFreeware* InfoFormFreeware::ShowInfo(platform::Shell& shell, platform::Clock& clock,
                                             QWidget* owner) {
    if (!openInstance_) {
        openInstance_ = new InfoFormFreeware(shell, clock, owner);
        openInstance_->placeOnScreen();
    }
    InfoFormFreeware* form = openInstance_.data();
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

InfoFormFreeware::~InfoFormFreeware() = default;

InfoFormFreeware::InfoFormFreeware(platform::Shell& shell, platform::Clock& clock, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shell_(shell) {
    setObjectName(QStringLiteral("InfoFormFreeware"));
    setAttribute(Qt::WA_DeleteOnClose);
    const auto& program = RARUVOVOVA2DIVFU::ThisProgram();
    setWindowTitle(QStringLiteral("Info \u00fcber ") + QString::fromStdString(program.name));

    auto* Image1 = new PictureLink(this);
    Image1->onClick([this] { OpenMakerSite(shell_); });
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(
        QStringLiteral("Klicken Sie hier, um noch mehr interessante Corvale-Programme "
                       "kennenzulernen ..."));
    const QPixmap banner(QStringLiteral(":/shared/corvale_banner.png"));
    if (!banner.isNull()) Image1->setPixmap(banner);
    Image1->setMinimumSize(100, 240);
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    infoText_ = InfoText(program, clock.currentYear());
    Label0 = new QLabel(DisplayText(infoText_), this);
    Label0->setObjectName(QStringLiteral("Label[0]"));
    Label0->setWordWrap(true);
    Label0->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label0->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label0->setMinimumWidth(380);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    // Left to right, which is also the tab order.
    const std::pair<int, QString> buttons[] = {
        {4, QStringLiteral("&Wer ist Corvale?")},
        {0, QStringLiteral("&Mail an Corvale schreiben")},
        {1, QStringLiteral("Was gibts Neues auf &Corvale?")},
        {3, QStringLiteral("Fenster &schliessen")},
    };
    auto* buttonRow = new QHBoxLayout;
    QWidget* previous = nullptr;
    for (const auto& [index, caption] : buttons) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("Btn[%1]").arg(index));
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i = index] { onBtnClicked(i); });
        buttonRow->addWidget(button);
        if (previous) setTabOrder(previous, button);
        previous = button;
        Btn[index] = button;
    }

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(Label0, 1);
    textColumn->addWidget(Line1);
    textColumn->addLayout(buttonRow);

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Image1);
    layout->addLayout(textColumn, 1);
    adjustSize();
}

void InfoFormFreeware::closeEvent(QCloseEvent* event) {
    // The closed dialog is deleted only when the event loop gets to it; a showing before that
    // builds a new one instead of bringing forward the one on its way out.
    if (openInstance_ == this) openInstance_ = nullptr;
    QWidget::closeEvent(event);
}

void InfoFormFreeware::onBtnClicked(int index) {
    const auto& program = RARUVOVOVA2DIVFU::ThisProgram();
    switch (index) {
        case 0:
            ShellOpen(shell_, MailTarget(program, WindowsVersionText()), 0);
            break;
        case 1:
            OpenMakerSite(shell_);
            break;
        case 3:
            close();
            break;
        case 4:
            ShellOpen(shell_, kMakerAboutPage, 0);
            break;
        default:
            break;
    }
}

void InfoFormFreeware::placeOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The final size is known only once the style and the layout have had their say.
    ensurePolished();
    if (layout()) layout()->activate();
    adjustSize();
    const QRect area = screen->geometry();
    if (PlacesAtTopLeft(area.size())) {
        move(area.topLeft());
    } else {
        CenterForm(*this);
    }
}

}  // namespace RARUVOVOVA
