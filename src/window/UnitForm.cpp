// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitForm.h"

#include "LumeSafeFile.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitHelp.h"
#include "UnitMain.h"
#include "UnitPage.h"
#include "UnitSaveLoad.h"
#include "UnitSpeech.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>

TFormMain *FormMain = nullptr;
TGameScreen *GameScreen = nullptr;

namespace {

const QColor Silver(192, 192, 192);
const QColor Grey(127, 127, 127);
const QColor Black(0, 0, 0);
const QChar FilledStar(0x2605); // ★
const QChar HollowStar(0x2606); // ☆

} // namespace

QString StarText(int32_t HP, int32_t MaxHP, bool CountDown)
{
    // A record read from a save file may hold any MaxHP; a star row wider
    // than the window shows nothing more, so the text is capped.
    constexpr int32_t MostStars = 100;
    const int32_t count = std::clamp(MaxHP, 0, MostStars);
    QString text;
    text.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        // k runs MaxHP down to 1 for the player and 1 up to MaxHP for the enemy.
        const int32_t k = CountDown ? count - i : i + 1;
        text += k <= HP ? FilledStar : HollowStar;
    }
    return text;
}

bool LoadGameAndReport(TBattler &Record)
{
    switch (LoadGame(Record, ApplicationTitle)) {
    case TLoadResult::Loaded:
        return true;
    case TLoadResult::Missing:
        return false;
    case TLoadResult::Unreadable:
        FormMain->PostDeferred(ReportReadFailure);
        return false;
    case TLoadResult::BadContent:
        FormMain->PostDeferred(ReportBadContent);
        return false;
    }
    return false;
}

TFormMain::TFormMain(QWidget *Owner) : TLumeForm(PageWidth, PageHeight, Owner)
{
    FormMain = this;
    GameScreen = this;
    SetSpeedSwitches(qEnvironmentVariable("VANTIK_WITHOUT"));
    BuildLayout();
    try {
        CreateGameObjects(this);
    } catch (...) {
        FreeGameObjects();
        FormMain = nullptr;
        GameScreen = nullptr;
        throw;
    }
    FitPage(PageTitle, true);
    PntTitle->setGeometry(0, 0, PageTitle->width(), PageTitle->height());
    FitPage(PageMain, false);
    ImgVuraviv->setGeometry(0, 0, PageMain->width(), PageMain->height());

    if (LoadGameAndReport(Player)) {
        ChangeScene(TScene::Main);
        MainMenu();
        ShowPlayerStatus();
    } else {
        ChangeScene(TScene::Title);
    }
}

TFormMain::~TFormMain()
{
    FreeGameObjects();
    if (FormMain == this) {
        FormMain = nullptr;
        GameScreen = nullptr;
    }
}

void TFormMain::BuildLayout()
{
    //: The window's caption: the game's name (in English, as the desktop menu names it).
    setWindowTitle(QCoreApplication::translate("Window", "ヴェスカ"));
    // Read here, without waiting: Qt would open a FIFO in its place as the
    // window shows, and the window would never come.
    QFile icon;
    QPixmap iconPicture;
    if (OpenRegularFile(QString::fromLatin1(PictureIcon), icon) &&
        iconPicture.loadFromData(icon.read(1 << 20), "PNG"))
        setWindowIcon(QIcon(iconPicture));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Silver);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(LumeFont(12));

    BuildTitlePage();
    PageMain = new TLumePanel(this, PageColour);
    // Created bottom-up: later siblings are drawn above earlier ones.
    ImgVuraviv = new TLumeImage(PageMain);
    ImgVuraviv->setGeometry(0, 0, PageWidth, PageHeight);
    BuildStatusPanels(PageMain);
    BuildMessageAndDice(PageMain);
    BuildChoiceButtons(PageMain);
    Speech = new TSpeech(this);
    AddShortcuts();
    // Each control is named as its member, as a designed form's are.
    QObject *const controls[] = {
        PageTitle,       PntTitle,        PageMain,        ImgVuraviv,      Shape1,
        Shape2,          Shape3,          Shape4,          Shape5,          LabMainStatusName0,
        Label1,          Label2,          Label3,          Label4,          LabMyStatus0,
        LabMyStatus1,    LabMyStatus2,    LabMyStatus3,    LabMyStatus4,    LabEnemyStatus0,
        LabEnemyStatus1, LabEnemyStatus2, LabEnemyStatus3, LabEnemyStatus4, LabMyHP,
        LabEnemyHP,      LabMain,         LabDiceMine,     LabDiceEnemy,    LabIBEnemy,
        BtnMain0,        BtnMain1,        BtnMain2,        BtnMain3,        BtnMain4,
        BtnIdeaBurst};
    const QStringList names =
        QStringLiteral(
            "PageTitle PntTitle PageMain ImgVuraviv Shape1 Shape2 Shape3 Shape4 Shape5 "
            "LabMainStatusName0 Label1 Label2 Label3 Label4 LabMyStatus0 LabMyStatus1 LabMyStatus2 "
            "LabMyStatus3 LabMyStatus4 LabEnemyStatus0 LabEnemyStatus1 LabEnemyStatus2 "
            "LabEnemyStatus3 LabEnemyStatus4 LabMyHP LabEnemyHP LabMain LabDiceMine LabDiceEnemy "
            "LabIBEnemy BtnMain0 BtnMain1 BtnMain2 BtnMain3 BtnMain4 BtnIdeaBurst")
            .split(u' ');
    Q_ASSERT(names.size() == qsizetype(std::size(controls)));
    for (size_t i = 0; i < std::size(controls); ++i)
        controls[i]->setObjectName(names[qsizetype(i)]);
}

void TFormMain::BuildTitlePage()
{
    PageTitle = new TLumePanel(this, TitlePageColour);
    PntTitle = new TLumePaintBox(PageTitle);
    connect(PntTitle, &TLumePaintBox::Clicked, this, &TFormMain::PntTitleClick);
    // It holds the focus while the title shows, so that Enter or Space starts.
    PntTitle->setFocusPolicy(Qt::StrongFocus);
    PntTitle->setAccessibleName(TitleAccessibleName());
    PntTitle->setAccessibleDescription(TitleAccessibleDescription());
}

void TFormMain::BuildStatusPanels(QWidget *Page)
{
    const QColor windowText = palette().color(QPalette::WindowText);
    const QFont big = LumeFont(27, true);
    auto shape = [&](int top) { return new TLumeShape(Page, QRect(8, top, 481, 41), Grey); };
    // Row Row of the stats, in display order; the value labels show the
    // stat's name until a side's values fill them.
    auto caption = [&](int top, int Row) {
        return new TLumeLabel(Page, QRect(200, top, 100, 33), Qt::AlignHCenter, big, Grey,
                              StatName(StatsInDisplayOrder[Row]));
    };
    auto value = [&](int left, int top, int Row) {
        return new TLumeLabel(Page, QRect(left, top, 80, 33), Qt::AlignHCenter, big, windowText,
                              StatName(StatsInDisplayOrder[Row]));
    };
    Shape1 = shape(40);
    LabMainStatusName0 = caption(48, 0);
    Shape2 = shape(80);
    Shape3 = shape(120);
    Shape4 = shape(160);
    Shape5 = shape(200);
    Label1 = caption(88, 1);
    Label2 = caption(128, 2);
    Label3 = caption(168, 3);
    Label4 = caption(208, 4);
    LabMyStatus4 = value(352, 208, 4);
    LabMyStatus3 = value(352, 168, 3);
    LabMyStatus2 = value(352, 128, 2);
    LabMyStatus1 = value(352, 88, 1);
    LabMyStatus0 = value(352, 48, 0);
    LabEnemyStatus4 = value(64, 208, 4);
    LabEnemyStatus3 = value(64, 168, 3);
    LabEnemyStatus2 = value(64, 128, 2);
    LabEnemyStatus1 = value(64, 88, 1);
    LabEnemyStatus0 = value(64, 48, 0);
    LabMyHP = new TLumeLabel(Page, QRect(280, 8, 208, 33), Qt::AlignRight, big, windowText,
                             QStringLiteral("HP"));
    LabEnemyHP = new TLumeLabel(Page, QRect(8, 8, 208, 33), Qt::AlignLeft, big, windowText,
                                QStringLiteral("HP"));
}

void TFormMain::BuildMessageAndDice(QWidget *Page)
{
    const QFont message = LumeFont(16, true);
    // The captions of the stored layout, shown until the game writes its own.
    const QString hundred = QStringLiteral("100");
    LabMain = new TLumeLabel(Page, MessageRect, Qt::AlignHCenter, message, MessageColour,
                             QStringLiteral("LabMain"));
    LabDiceMine = new TLumeLabel(Page, QRect(440, 320, 49, 25), Qt::AlignHCenter, message,
                                 MessageColour, hundred);
    LabDiceEnemy = new TLumeLabel(Page, QRect(8, 320, 49, 25), Qt::AlignHCenter, message,
                                  MessageColour, hundred);
    LabIBEnemy =
        new TLumeLabel(Page, QRect(16, 216, 57, 17), Qt::AlignHCenter, message, Grey, hundred);
}

void TFormMain::BuildChoiceButtons(QWidget *Page)
{
    // The buttons lie above every label; tab order follows their creation.
    const QFont buttons = LumeFont(19, true);
    auto choice = [&](int Left, int Slot) {
        return new TLumeButton(Page, QRect(Left, 352, 89, 41), buttons, QString::number(Slot),
                               Slot);
    };
    BtnMain1 = choice(304, 1);
    BtnMain0 = choice(400, 0);
    BtnMain2 = choice(208, 2);
    BtnMain3 = choice(112, 3);
    BtnMain4 = choice(16, 4);
    //: The Idea Burst button's caption before the dice first roll.
    BtnIdeaBurst = new TLumeButton(Page, QRect(416, 208, 65, 25), LumeFont(12, true),
                                   QCoreApplication::translate("Choice", "ib"));
    BtnIdeaBurst->hide();
    ChoiceButtons = {BtnMain0, BtnMain1, BtnMain2, BtnMain3, BtnMain4};
    for (TLumeButton *button : ChoiceButtons)
        connect(button, &TLumeButton::Chosen, this, [this, button] { BtnMainClick(button); });
    connect(BtnIdeaBurst, &TLumeButton::Chosen, this, &TFormMain::BtnIdeaBurstClick);
    setTabOrder(BtnMain1, BtnMain0);
    setTabOrder(BtnMain0, BtnMain2);
    setTabOrder(BtnMain2, BtnMain3);
    setTabOrder(BtnMain3, BtnMain4);
    setTabOrder(BtnMain4, BtnIdeaBurst);
    BtnIdeaBurst->setAccessibleDescription(BurstMeaning());
}

void TFormMain::AddShortcuts()
{
    // What each action of the key table runs, in the order TKeyAction names them.
    using THandler = void (TFormMain::*)();
    static constexpr THandler handlers[] = {
        nullptr,          &TFormMain::ToggleHelp,  &TFormMain::CloseHelp,
        &TFormMain::Quit, &TFormMain::ToggleSound, &TFormMain::SpeakState};
    static_assert(std::size(handlers) == size_t(TKeyAction::SpeakState) + 1);
    for (const TGameKey &key : GameKeys) {
        if (const THandler handler = handlers[size_t(key.Action)]) {
            // Every key works from the help window too.
            auto *shortcut = new QShortcut(QKeySequence(key.Key), this);
            shortcut->setContext(Qt::ApplicationShortcut);
            connect(shortcut, &QShortcut::activated, this, handler);
        }
    }
}

// As the close button: the close event ends the main loop.
void TFormMain::Quit()
{
    close();
}

void TFormMain::ToggleHelp()
{
    if (!Help)
        Help = new TFormHelp(this, !WavePlayer || WavePlayer->SoundOn());
    Help->Toggle();
}

void TFormMain::CloseHelp()
{
    if (Help)
        Help->close();
}

void TFormMain::ToggleSound()
{
    if (!WavePlayer)
        return;
    WavePlayer->SetSoundOn(!WavePlayer->SoundOn());
    if (Help)
        Help->ShowSoundState(WavePlayer->SoundOn());
}

void TFormMain::SpeakState()
{
    // Only the main page shows the two sides; a blank enemy side means no enemy.
    if (PageMain->isHidden())
        return;
    Speech->Say(StateSpeech(Player, LabEnemyHP->Caption().isEmpty() ? nullptr : &Enemy));
}

void TFormMain::ShowText(const QString &Text)
{
    DicePrologue();
    QString shown = Text;
    shown.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    LabMain->SetCaption(shown);
    Speech->SayAfterStep(SpokenMessage(shown));
}

void TFormMain::ClearChoices()
{
    ChoiceCount = 0;
    for (TLumeButton *button : ChoiceButtons)
        button->hide();
}

void TFormMain::AddChoice(const TChoice &Choice, TProcedure Action)
{
    // No step of the game offers more than three choices.
    Q_ASSERT(ChoiceCount >= 0 && ChoiceCount < ChoiceSlots);
    if (ChoiceCount < 0 || ChoiceCount >= ChoiceSlots)
        return;
    const int slot = ChoiceCount;
    ChoiceButtons[slot]->SetCaption(QCoreApplication::translate("Choice", Choice.Caption));
    ChoiceButtons[slot]->setAccessibleDescription(ChoiceMeaning(Choice));
    ChoiceButtons[slot]->show();
    ChoiceActions[slot] = Action;
    ++ChoiceCount;
    // Each step starts a keyboard player on its first choice, never on a
    // choice left from the step before.
    if (slot == 0)
        ChoiceButtons[slot]->setFocus(Qt::OtherFocusReason);
}

void TFormMain::BtnMainClick(TLumeButton *Sender)
{
    // Only a choice of the current step acts; a hidden slot keeps the
    // action of an earlier step, which must never run again.
    const int tag = Sender->Tag;
    if (tag < 0 || tag >= ChoiceCount || !Sender->Live() || !ChoiceActions[tag])
        return;
    ChoiceActions[tag]();
}

void TFormMain::BtnIdeaBurstClick()
{
    if (BurstButtonLive())
        PlayerIdeaBurst();
}

void TFormMain::PntTitleClick()
{
    NewGame();
}

void TFormMain::ShowStatValue(TLumeLabel *Label, int32_t Value, int32_t Base)
{
    Label->SetFontColour(Value == Base ? Black : Grey);
    Label->SetCaption(IntToStr(Value));
}

void TFormMain::ShowSide(const TBattler &Side, TLumeLabel *HP,
                         const std::array<TLumeLabel *, 5> &Values, bool CountDown)
{
    HP->SetCaption(StarText(Side.HP, Side.MaxHP, CountDown));
    for (size_t i = 0; i < Values.size(); ++i) {
        const TStat &stat = StatsInDisplayOrder[i];
        ShowStatValue(Values[i], Side.*stat.Current, Side.*stat.Base);
    }
}

void TFormMain::ShowPlayerStatus()
{
    ShowSide(Player, LabMyHP,
             {LabMyStatus0, LabMyStatus1, LabMyStatus2, LabMyStatus3, LabMyStatus4}, true);
}

void TFormMain::ShowEnemyStatus()
{
    ShowSide(Enemy, LabEnemyHP,
             {LabEnemyStatus0, LabEnemyStatus1, LabEnemyStatus2, LabEnemyStatus3, LabEnemyStatus4},
             false);
}

void TFormMain::ClearEnemyStatus()
{
    for (TLumeLabel *label : {LabEnemyHP, LabEnemyStatus0, LabEnemyStatus1, LabEnemyStatus2,
                              LabEnemyStatus3, LabEnemyStatus4})
        label->SetCaption({});
}

void TFormMain::SayPlayerStatus()
{
    Speech->SayAfterStep(PlayerSpeech(Player));
}

void TFormMain::ShowTitlePage()
{
    PageTitle->show();
    PageMain->hide();
    PntTitle->setFocus(Qt::OtherFocusReason);
}

void TFormMain::ShowMainPage()
{
    PageMain->show();
    PageTitle->hide();
}

TLumeLabel *TFormMain::DiceLabel(TDiceLabel Dice)
{
    switch (Dice) {
    case TDiceLabel::Mine:
        return LabDiceMine;
    case TDiceLabel::Enemy:
        return LabDiceEnemy;
    case TDiceLabel::None:
        return nullptr;
    }
    Q_UNREACHABLE();
}
