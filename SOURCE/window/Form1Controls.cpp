// The window's description: every control with its initial state, and the
// menu tree. Positions are the layout's twips figures.
#include "window/Form1.h"

#include "scores/NameValidator.h"
#include "sound/EmbedSound.h"
#include "window/Form1Description.h"
#include "window/Pictures.h"
#include "window/forms/CommandButton.h"
#include "window/forms/Frame.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/TextBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/Twips.h"

#include <QLayout>
#include <QMenuBar>

namespace {

const QString kCaption = QStringLiteral("Vorn v2.00");
constexpr QSize kClientSize(448, 450);
const QColor kGrey(192, 192, 192);
const QColor kDarkRed(0xC0, 0x00, 0x00);
const QColor kPaleYellow(0xFF, 0xFF, 0xC0);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kGreen(0x00, 0x80, 0x00);
constexpr int kNameLength = 8;
constexpr int kLevelCount = 10;
const QString kHelpText = QStringLiteral(
    "The only control that you need is a mouse. Left mouse button selects the column and right "
    "shifts the blocks internally.");

QFont comicSans(double points, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setStyleHint(QFont::Cursive);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(double points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QFont& frameFont()
{
    static const QFont font = comicSans(9, true);
    return font;
}

const QFont& tableFont()
{
    static const QFont font = comicSans(8.25, false);
    return font;
}

PictureBox* plainStrip(QWidget* container, const QColor& colour, const QRect& place)
{
    auto* strip = new PictureBox(container);
    strip->setBackColor(colour);
    strip->setBorderStyle(PictureBox::kBorderFixedSingle);
    strip->setGeometry(place);
    return strip;
}

Frame* frame(QWidget* container, const QString& caption, const QRect& place)
{
    auto* box = new Frame(container, caption, kGrey);
    box->setFont(frameFont());
    box->setGeometry(place);
    return box;
}

Label* label(QWidget* container, const QString& caption, const QFont& font, Qt::Alignment alignment,
             const QRect& place)
{
    auto* text = new Label(container, caption);
    text->setFont(font);
    text->setAlignment(alignment | Qt::AlignTop);
    text->setGeometry(place);
    return text;
}

// The sound holders stand in a row in the lower middle of the board.
constexpr int kSoundHoldersLeft = 240;  // twips
constexpr int kSoundHoldersTop = 5280;
constexpr int kSoundHolderSpacing = 480;

} // namespace

void Form1::BuildControls()
{
    setWindowTitle(kCaption);
    setWindowIcon(Pictures::windowIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    clientArea = new QWidget(this);
    clientArea->setFixedSize(kClientSize);
    clientArea->setAutoFillBackground(true);
    QPalette palette = clientArea->palette();
    palette.setColor(QPalette::Window, kGrey);
    clientArea->setPalette(palette);
    clientArea->setCursor(Pictures::pointer());
    setCentralWidget(clientArea);
    // The layout is static: nothing follows a change of size, so the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Picture1 = new PictureBox(clientArea, PictureBox::ScaleMode::Pixels);
    Picture1->setBackColor(kGrey);
    Picture1->setBorderStyle(PictureBox::kBorderFixedSingle);
    Picture1->setPicture(Pictures::boardPicture());
    Picture1->setGeometry(twipsRect(0, 0, 3420, 6765));

    // The sprites only show a picture over the board, which draws them: a
    // fall step repaints just where the piece was and where it is.
    for (int i = 0; i <= 2; ++i) {
        auto* sprite = new WindowlessPictureBox(Picture1);
        sprite->setBackColor(kGrey);
        sprite->setBorderStyle(PictureBox::kBorderFixedSingle);
        sprite->setAutoSize(true);
        sprite->setPicture(Pictures::cellPicture(0));
        Dio(i) = sprite;
    }

    // Each sound holder restores its cue from the window's saved description.
    const FormDescription saved = Form1Description::load();
    for (int i = EmbedSound1.kFirst; i <= EmbedSound1.kLast; ++i) {
        auto* holder = new EmbedSound(Picture1->client(), AmbientProperties{}, platform.clock, platform.sound);
        holder->move(twipsToPixels(kSoundHoldersLeft + (i - 1) * kSoundHolderSpacing), twipsToPixels(kSoundHoldersTop));
        holder->Load(saved.properties(Form1Description::kSoundHolders, static_cast<std::int16_t>(i)));
        EmbedSound1(i) = holder;
    }

    Picture3 = plainStrip(clientArea, kDarkRed, twipsRect(3405, 0, 135, 2001));
    Picture2 = plainStrip(clientArea, kPaleYellow, twipsRect(3405, 1986, 135, 5295));
    Picture4 = plainStrip(clientArea, clientArea->palette().color(QPalette::Button),
                          twipsRect(3509, 0, 255, 7095));

    Picture6 = new PictureBox(clientArea);
    Picture6->setBorderStyle(PictureBox::kBorderFixedSingle);
    Picture6->setPicture(Pictures::titlePicture());
    Picture6->setGeometry(twipsRect(3748, 0, 3060, 1035));

    Frame1 = frame(clientArea, QStringLiteral("Next"), twipsRect(3912, 1200, 960, 1695));
    Picture7 = new PictureBox(Frame1, PictureBox::ScaleMode::Twips);
    Picture7->setBackColor(kGrey);
    Picture7->setAutoRedraw(true);
    Picture7->setGeometry(twipsRect(240, 360, 514, 1170));

    Frame2 = frame(clientArea, QStringLiteral("Level"), twipsRect(5040, 1200, 1215, 735));
    lev = label(Frame2, QStringLiteral("  1"), msSansSerif(13.5, true), Qt::AlignHCenter,
                twipsRect(360, 240, 735, 375));
    lev->setForeColor(kBlue);

    Frame3 = frame(clientArea, QStringLiteral("Cash"), twipsRect(5040, 2160, 1575, 735));
    lova = label(Frame3, QStringLiteral("0$"), comicSans(9, true), Qt::AlignRight,
                 twipsRect(120, 312, 1335, 255));
    lova->setForeColor(kGreen);

    Label2 = label(clientArea, kHelpText, tableFont(), Qt::AlignLeft, twipsRect(3960, 3120, 2655, 975));
    Label2->setWordWrap(true);
    Label2->setForeColor(kBlue);

    Frame4 = frame(clientArea, QStringLiteral("Your name"), twipsRect(3912, 4137, 2703, 672));
    ime = new TextBox(Frame4, QStringLiteral("Player"), kNameLength);
    ime->setValidator(new NameValidator(ime));
    ime->setFont(comicSans(9, true));
    ime->setGeometry(twipsRect(1200, 240, 1335, 285));

    Frame5 = frame(clientArea, QStringLiteral("Top players"), twipsRect(3912, 4943, 2703, 1695));
    for (int i = 0; i <= 4; ++i) {
        const int top = 360 + 240 * i;
        topime(i) = label(Frame5, QStringLiteral("Mirako"), tableFont(), Qt::AlignLeft,
                          twipsRect(240, top, 1215, 255));
        topcash(i) = label(Frame5, QStringLiteral("0$"), tableFont(), Qt::AlignRight,
                           twipsRect(1560, top, 855, i == 2 ? 375 : 255));
    }

    for (int k = 0; k <= 13; ++k) {
        auto* holder = new PictureBox(clientArea);
        holder->setBorderStyle(PictureBox::kBorderFixedSingle);
        holder->setAutoSize(true);
        holder->setPicture(Pictures::cellPicture(k));
        Slika(k) = holder;
    }

    // "Continue" lies over the board, above its drawing.
    Command1 = new CommandButton(clientArea, QStringLiteral("Continue"));
    Command1->setFont(comicSans(11.25, true));
    Command1->setGeometry(twipsRect(1080, 2760, 1215, 495));
    Command1->raise();

    // The custom pointer shows over the window's own background only.
    for (QObject* child : clientArea->children()) {
        if (auto* control = qobject_cast<QWidget*>(child)) control->setCursor(Qt::ArrowCursor);
    }
}

void Form1::BuildMenus()
{
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    o1 = new MenuItem(game);
    o11 = new MenuItem(game, QStringLiteral("Prk"));
    o11->setEnabled(false);
    o12 = new MenuItem(game, QStringLiteral("New game"));

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    o2 = new MenuItem(options);
    o21 = new MenuItem(options, QStringLiteral("Hide next"));
    o21->setChecked(false);
    QMenu* startingLevel = options->addMenu(QStringLiteral("Starting level"));
    o22 = new MenuItem(startingLevel);
    for (int i = 0; i < kLevelCount; ++i) {
        o221(i) = new MenuItem(startingLevel, QStringLiteral("Level %1").arg(i + 1));
        o221(i)->setChecked(i == 0);
    }
}
