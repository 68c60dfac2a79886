#include "support/PlayerInputs.h"

#include "window/forms/CommandButton.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QAction>
#include <QTest>

namespace PlayerInputs {

namespace {

constexpr double kBoardWidth = 224;
constexpr double kBoardHeight = 448;
// Presses reported at X beyond the board on either side, as far as a wide pointer move.
constexpr double kBeyondBoard = 64;
constexpr int kSprites = 3;

constexpr std::array<int, 3> kButtonCodes{PictureBox::kLeftButton, PictureBox::kRightButton, PictureBox::kMiddleButton};
constexpr std::array<Qt::MouseButton, 3> kButtons{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

bool spriteShows(const Form1& f, int sprite) { return f.Dio(sprite)->Visible(); }

} // namespace

PlayerInput pressOnBoard(int button, double x)
{
    return {"a press on the board", [button, x](Form1& f) {
                f.Picture1_MouseDown(button, 0, x, kBoardHeight / 2);
                return QString();
            }};
}

PlayerInput realPressOnBoard(Qt::MouseButton button, QPoint at)
{
    return {"a mouse event on the board", [button, at](Form1& f) {
                QTest::mouseClick(f.Picture1->client(), button, {}, at);
                return QString();
            }};
}

PlayerInput realPressOnSprite(int sprite, Qt::MouseButton button)
{
    return {"a mouse event on a sprite", [sprite, button](Form1& f) {
                if (!spriteShows(f, sprite)) return QString();
                const Integer target = f.targetCol;
                const auto colours = f.pieceColors;
                // The board draws its sprites: a press there reaches the board's surface.
                QTest::mouseClick(f.Picture1->client(), button, {}, f.Dio(sprite)->geometry().center());
                if (f.targetCol != target || f.pieceColors != colours)
                    return QStringLiteral("a press on sprite %1 moved or turned the piece").arg(sprite);
                return QString();
            }};
}

namespace {

PlayerInput boardPressAnywhere(std::size_t button, std::mt19937& chance)
{
    return pressOnBoard(kButtonCodes[button],
                        std::uniform_real_distribution<double>(-kBeyondBoard, kBoardWidth + kBeyondBoard)(chance));
}

} // namespace

PlayerInput newGame()
{
    return {"\"New game\"", [](Form1& f) {
                f.o12->action()->trigger();
                return QString();
            },
            true};
}

PlayerInput pressContinue()
{
    return {"\"Continue\"", [](Form1& f) {
                if (f.Command1->Visible()) QTest::mouseClick(f.Command1, Qt::LeftButton);
                return QString();
            }};
}

PlayerInput hideNext()
{
    return {"\"Hide next\"", [](Form1& f) {
                const bool hidden = f.o21->Checked();
                f.o21->action()->trigger();
                if (f.o21->Checked() == hidden || f.Picture7->Visible() != hidden)
                    return QStringLiteral("\"Hide next\" did not toggle the preview");
                return QString();
            }};
}

PlayerInput levelItem(int index)
{
    return {"a level item", [index](Form1& f) {
                // The items live in the "Starting level" submenu, which opens only while it is enabled.
                if (f.o22->Enabled()) f.o221(index)->action()->trigger();
                return QString();
            }};
}

PlayerInput closeRequest(bool* granted)
{
    return {"a close request", [granted](Form1& f) {
                const bool closed = f.close();
                if (granted) *granted = closed;
                return QString();
            }};
}

PlayerInput anyBoardPress(std::mt19937& chance) { return boardPressAnywhere(chance() % kButtons.size(), chance); }

PlayerInput anyPress(std::mt19937& chance)
{
    const std::size_t button = chance() % kButtons.size();
    switch (chance() % 3) {
    case 0: return boardPressAnywhere(button, chance);
    case 1:
        return realPressOnBoard(kButtons[button], QPoint(static_cast<int>(chance() % static_cast<unsigned>(kBoardWidth)),
                                                         static_cast<int>(chance() % static_cast<unsigned>(kBoardHeight))));
    default:
        return realPressOnSprite(static_cast<int>(chance() % kSprites), kButtons[button]);
    }
}

} // namespace PlayerInputs
