#pragma once

#include "game/CellGrid.h"
#include "window/Platform.h"
#include "window/forms/ControlArray.h"

#include <QByteArray>
#include <QMainWindow>

#include <array>
#include <optional>
#include <cstdint>

class CommandButton;
class EmbedSound;
class Frame;
class Label;
class MenuItem;
class PictureBox;
class WindowlessPictureBox;
class TextBox;

// The game's one window. It owns every control and every game variable; its
// procedures are defined in the folders of their subsystems (game/, play/,
// scores/, sound/). The members are public so that tests can drive and
// inspect the real window, as the game's handlers do.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Platform services);
    ~Form1() override;

    // ---- Controls ----
    QWidget* clientArea = nullptr;
    PictureBox* Picture1 = nullptr;  // the board
    PictureBox* Picture2 = nullptr;  // yellow strip
    PictureBox* Picture3 = nullptr;  // red strip
    PictureBox* Picture4 = nullptr;  // grey bar
    PictureBox* Picture6 = nullptr;  // title
    PictureBox* Picture7 = nullptr;  // next-piece preview
    ControlArray<WindowlessPictureBox, 0, 2> Dio;  // sprites of the falling piece, drawn by the board
    ControlArray<PictureBox, 0, 13> Slika;  // holders of the cell pictures
    CommandButton* Command1 = nullptr;      // "Continue"
    Frame* Frame1 = nullptr;
    Frame* Frame2 = nullptr;
    Frame* Frame3 = nullptr;
    Frame* Frame4 = nullptr;
    Frame* Frame5 = nullptr;
    Label* lev = nullptr;
    Label* lova = nullptr;
    Label* Label2 = nullptr;
    TextBox* ime = nullptr;
    ControlArray<Label, 0, 4> topime;
    ControlArray<Label, 0, 4> topcash;
    MenuItem* o1 = nullptr;   // "Game"
    MenuItem* o11 = nullptr;  // "Prk"
    MenuItem* o12 = nullptr;  // "New game"
    MenuItem* o2 = nullptr;   // "Options"
    MenuItem* o21 = nullptr;  // "Hide next"
    MenuItem* o22 = nullptr;  // "Starting level"
    ControlArray<MenuItem, 0, 9> o221;  // "Level 1" .. "Level 10"
    ControlArray<EmbedSound, 1, 6> EmbedSound1;  // the six sound cues, never shown

    // ---- Game state ----
    CellGrid board;
    Integer pieceLast = 0;
    std::array<Integer, 3> pieceColors{};
    Integer pieceX = 0;
    Integer pieceY = 0;
    Integer pieceCol = 0;
    Integer pieceRow = 0;
    Integer targetCol = 0;
    Integer wantDir = 0;
    Integer moveDir = 0;
    Integer moveStep = 0;
    Integer nextLast = 0;
    std::array<Integer, 3> nextColors{};
    Integer level = 0;
    Integer startLevel = 0;
    std::int64_t cash = 0;  // wide enough never to overflow in play
    bool stopGame = false;
    bool gameOver = false;
    Integer soundCue = -1;
    CellGrid marks;
    CellGrid dropX;
    CellGrid dropY;
    bool boardChanged = false;
    std::array<Integer, 16> colorMask{};
    std::int32_t waitStart = 0;

    // ---- Event handlers ----
    void Form_Load();
    void Command1_Click();
    void Picture1_MouseDown(int Button, int Shift, double X, double Y);
    void o12_Click();
    void o21_Click();
    void o221_Click(Integer Index);
    void Form_QueryUnload(Integer& Cancel, Integer UnloadMode);

    // ---- Procedures ----
    void NewGameReset();
    void MakeNextPiece();
    void RunGame();
    void SpawnPiece();
    bool FallStep();
    void LandPiece();
    void CheckGameOver();
    void ApplySpecial();
    void SettleBoard();
    void MatchScan();
    void ClearMarked();
    void MarkCollapse();
    void AnimateCollapse();
    void CollapseColumns();
    void DrawCell(Integer code, int x, int y);
    void RedrawBoard();
    void PlaceSprites();
    void DrawPreview();
    void PlayCue(Integer cue);
    void LoadTopPlayers();
    void SaveTopPlayers();
    void InsertTopPlayer();
    void ReloadChangedTopPlayers();

    // True while RunGame is on the stack, also while a stopped game unwinds.
    bool gameLoopRunning = false;
    // The top-players file as this window last read or wrote it; nothing
    // before it has done either. Another window in the same directory that
    // saved since then shows as a difference.
    std::optional<QByteArray> topFileSeen;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildColorMask();
    void ClearMarks();
    // Yields at least once, then until the tick reaches waitStart + length or
    // stopWaiting() holds; sleeps in the event loop while nothing is pending.
    template <typename StopRule>
    void YieldingPause(std::int32_t length, StopRule stopWaiting);

    Platform platform;
};
