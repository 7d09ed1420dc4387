// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitForm.h"

#include "LumeFont.h"
#include "LumeSafeFile.h"
#include "LumeSpeed.h"
#include "LumeWave.h"
#include "MyConsole.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitHelp.h"
#include "UnitLanguage.h"
#include "UnitMain.h"
#include "UnitPage.h"
#include "UnitSaveLoad.h"
#include "UnitSound.h"
#include "UnitSpeech.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>

TFormMain *FormMain = nullptr;

namespace {

const QColor Silver(192, 192, 192);
const QColor Grey(127, 127, 127);
const QColor Black(0, 0, 0);
const QChar FilledStar(0x2605); // ★
const QChar HollowStar(0x2606); // ☆
const QColor ForcedColour(255, 0, 0);

TAlertSink AlertSink = nullptr;

// The catalog's "Dice" context.
struct Dice {
    Q_DECLARE_TR_FUNCTIONS(Dice)
};

// Gives Control its object name: Name, followed by Index where there is one.
template <typename TControl> TControl *Named(TControl *Control, const char *Name, int Index = -1)
{
    QString name = QLatin1String(Name);
    if (Index >= 0)
        name += QString::number(Index);
    Control->setObjectName(name);
    return Control;
}

// One key of the window's own: its key, its line in the help's keys list
// (the "Help" context) and what it runs.
struct TWindowKey {
    QKeyCombination Key;
    const char *Does;
    void (TFormMain::*Run)();
};

} // namespace

void SetAlertSink(TAlertSink Sink)
{
    AlertSink = Sink;
}

void ShowMessageBox(const QString &Text)
{
    if (AlertSink) {
        AlertSink(Text);
        return;
    }
    // Parented to the active window so the box stands over the game.
    QMessageBox box(QMessageBox::NoIcon, FromSjis(ApplicationTitle), Text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

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
        CreateSpeakers();
        CreateGameObjects(this);
    } catch (...) {
        FreeGameObjects();
        FreeSpeakers();
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
    FreeSpeakers();
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
    PageMain = Named(new TLumePanel(this, PageColour), "PageMain");
    // Created bottom-up: later siblings are drawn above earlier ones.
    ImgVuraviv = Named(new TLumeImage(PageMain), "ImgVuraviv");
    ImgVuraviv->setGeometry(0, 0, PageWidth, PageHeight);
    BuildStatusPanels(PageMain);
    BuildMessageAndDice(PageMain);
    BuildChoiceButtons(PageMain);
    Speech = new TSpeech(this);
    AddShortcuts();
}

void TFormMain::BuildTitlePage()
{
    PageTitle = Named(new TLumePanel(this, TitlePageColour), "PageTitle");
    PntTitle = Named(new TLumePaintBox(PageTitle), "PntTitle");
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
    // Row Row's frame and stat name, each row 40 pixels below the one before,
    // made in the stored layout's order: each frame, then the name over it
    // for the first row, the other names after the last frame. The value
    // labels show the stat's name until a side's values fill them.
    auto top = [](int Row) { return 48 + 40 * Row; };
    auto caption = [&](int Row) {
        const QRect bounds(200, top(Row), 100, 33);
        return Named(new TLumeLabel(Page, bounds, Qt::AlignHCenter, big, Grey,
                                    StatName(StatsInDisplayOrder[Row])),
                     Row == 0 ? "LabMainStatusName" : "Label", Row);
    };
    auto value = [&](int Left, int Row, const char *Name) {
        return Named(new TLumeLabel(Page, QRect(Left, top(Row), 80, 33), Qt::AlignHCenter, big,
                                    windowText, StatName(StatsInDisplayOrder[Row])),
                     Name, Row);
    };
    for (int row = 0; row < StatRows; ++row) {
        Shape[row] =
            Named(new TLumeShape(Page, QRect(8, top(row) - 8, 481, 41), Grey), "Shape", row + 1);
        if (row == 0)
            LabStatusName[0] = caption(0);
    }
    for (int row = 1; row < StatRows; ++row)
        LabStatusName[row] = caption(row);
    for (int row = StatRows - 1; row >= 0; --row)
        LabMyStatus[row] = value(352, row, "LabMyStatus");
    for (int row = StatRows - 1; row >= 0; --row)
        LabEnemyStatus[row] = value(64, row, "LabEnemyStatus");
    LabMyHP = Named(new TLumeLabel(Page, QRect(280, 8, 208, 33), Qt::AlignRight, big, windowText,
                                   QStringLiteral("HP")),
                    "LabMyHP");
    LabEnemyHP = Named(new TLumeLabel(Page, QRect(8, 8, 208, 33), Qt::AlignLeft, big, windowText,
                                      QStringLiteral("HP")),
                       "LabEnemyHP");
    // The stars are a picture of each side, filled towards the page's edge,
    // in a language written right to left too.
    LabMyHP->setLayoutDirection(Qt::LeftToRight);
    LabEnemyHP->setLayoutDirection(Qt::LeftToRight);
}

void TFormMain::BuildMessageAndDice(QWidget *Page)
{
    const QFont message = LumeFont(16, true);
    // The captions of the stored layout, shown until the game writes its own.
    const QString hundred = QStringLiteral("100");
    LabMain = Named(new TLumeLabel(Page, MessageRect, Qt::AlignHCenter, message, MessageColour,
                                   QStringLiteral("LabMain")),
                    "LabMain");
    LabDiceMine = Named(new TLumeLabel(Page, QRect(440, 320, 49, 25), Qt::AlignHCenter, message,
                                       MessageColour, hundred),
                        "LabDiceMine");
    LabDiceEnemy = Named(new TLumeLabel(Page, QRect(8, 320, 49, 25), Qt::AlignHCenter, message,
                                        MessageColour, hundred),
                         "LabDiceEnemy");
    LabIBEnemy = Named(
        new TLumeLabel(Page, QRect(16, 216, 57, 17), Qt::AlignHCenter, message, Grey, hundred),
        "LabIBEnemy");
}

void TFormMain::BuildChoiceButtons(QWidget *Page)
{
    // The buttons lie above every label; tab order follows their creation.
    const QFont buttons = LumeFont(19, true);
    // Slot 0 is the right-most; the buttons are made, and tabbed through, in
    // the stored layout's order: slot 1, 0, 2, 3, 4.
    for (const int slot : {1, 0, 2, 3, 4}) {
        BtnMain[slot] = Named(new TLumeButton(Page, QRect(400 - 96 * slot, 352, 89, 41), buttons,
                                              QString::number(slot), slot),
                              "BtnMain", slot);
        connect(BtnMain[slot], &TLumeButton::Chosen, this,
                [this, slot] { BtnMainClick(BtnMain[slot]); });
    }
    //: The Idea Burst button's caption before the dice first roll.
    BtnIdeaBurst = Named(new TLumeButton(Page, QRect(416, 208, 65, 25), LumeFont(12, true),
                                         QCoreApplication::translate("Choice", "ib")),
                         "BtnIdeaBurst");
    BtnIdeaBurst->hide();
    connect(BtnIdeaBurst, &TLumeButton::Chosen, this, &TFormMain::BtnIdeaBurstClick);
    QWidget *const tabOrder[] = {BtnMain[1], BtnMain[0], BtnMain[2],
                                 BtnMain[3], BtnMain[4], BtnIdeaBurst};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    BtnIdeaBurst->setAccessibleDescription(BurstMeaning());
}

void TFormMain::AddShortcuts()
{
    // The window's keys, in the order the help lists them.
    static const TWindowKey keys[] = {
        //: The help's keys list: what F1 does.
        {Qt::Key_F1, QT_TRANSLATE_NOOP("Help", "このヘルプを開く・閉じる"), &TFormMain::ToggleHelp},
        //: The help's keys list: what Escape does.
        {Qt::Key_Escape, QT_TRANSLATE_NOOP("Help", "このヘルプを閉じる"), &TFormMain::CloseHelp},
        //: The help's keys list: what Ctrl+N does: back to the title page for a new character;
        //: the save file stays until the new character saves.
        {Qt::CTRL | Qt::Key_N,
         QT_TRANSLATE_NOOP("Help", "新しいゲームを始める（セーブは新しいキャラクターが"
                                   "セーブするまでそのまま）"),
         &TFormMain::NewGameKey},
        //: The help's keys list: what Ctrl+L does: a list of the languages, each in its own
        //: name; the choice is kept and applies from the next start.
        {Qt::CTRL | Qt::Key_L, QT_TRANSLATE_NOOP("Help", "言語を選ぶ（次に起動したときから）"),
         &TFormMain::ChooseLanguageKey},
        //: The help's keys list: what Ctrl+Q does.
        {Qt::CTRL | Qt::Key_Q, QT_TRANSLATE_NOOP("Help", "終了（ウィンドウの閉じるボタンと同じ）"),
         &TFormMain::Quit},
        //: The help's keys list: what M does.
        {Qt::Key_M, QT_TRANSLATE_NOOP("Help", "すべての音をオフ・オンにする（次回も覚えています）"),
         &TFormMain::ToggleSound},
        //: The help's keys list: what S does.
        {Qt::Key_S, QT_TRANSLATE_NOOP("Help", "スクリーンリーダーで、両者の星と能力値を読み上げる"),
         &TFormMain::SpeakState},
    };
    for (const TWindowKey &key : keys) {
        auto *action = new QAction(QCoreApplication::translate("Help", key.Does), this);
        action->setShortcut(QKeySequence(key.Key));
        // Every key works from the help window too.
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, key.Run);
        addAction(action);
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
    // Only the main page shows the two sides.
    if (CurrentScene != TScene::Main)
        return;
    Speech->Say(StateSpeech(Player, EnemyPresent ? &Enemy : nullptr));
}

// The title page is a new game already; elsewhere the player is asked first
// when the new game would lose what they did since the last save. The save
// file itself stays until the new character saves.
void TFormMain::NewGameKey()
{
    const auto *asked = findChild<QMessageBox *>(QStringLiteral("NewGameQuestion"));
    if (CurrentScene != TScene::Main || (asked && asked->isVisible()))
        return;
    if (!ProgressSinceSave(Player, ApplicationTitle)) {
        StartOver();
        return;
    }
    //: Asked on Ctrl+N when the game has changed since it was last saved (or was never saved).
    auto *question = new QMessageBox(
        QMessageBox::Question, FromSjis(ApplicationTitle),
        QCoreApplication::translate("Window", "新しいゲームを始めますか？前回のセーブから"
                                              "あとの進み具合は失われます。"),
        QMessageBox::Yes | QMessageBox::No, this);
    question->setObjectName(QStringLiteral("NewGameQuestion"));
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    // Asked without a loop of its own, so the game's loop goes on beneath it.
    connect(question, &QMessageBox::finished, this, [](int Answer) {
        if (Answer == QMessageBox::Yes)
            StartOver();
    });
    question->open();
}

// The languages in their own names, the desktop's first; the choice is kept
// in the settings file and applies from the next start, as the window's
// texts were made in the language of this one.
void TFormMain::ChooseLanguageKey()
{
    if (findChild<QInputDialog *>())
        return;
    const QStringList languages = OfferedLanguages(TLocaleSettings::OfProcess());
    QStringList names;
    for (const QString &language : languages)
        names.append(LanguageName(language));
    auto *dialog = new QInputDialog(this);
    dialog->setWindowTitle(FromSjis(ApplicationTitle));
    //: Above the list of languages that Ctrl+L shows.
    dialog->setLabelText(QCoreApplication::translate("Window", "言語："));
    dialog->setComboBoxItems(names);
    dialog->setOption(QInputDialog::UseListViewForComboBoxItems);
    const QString current = CurrentLanguage().isEmpty() ? QStringLiteral("ja") : CurrentLanguage();
    dialog->setTextValue(LanguageName(current));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QInputDialog::textValueSelected, this, [=](const QString &Name) {
        const qsizetype index = names.indexOf(Name);
        if (index < 0)
            return;
        // The first is the desktop's: chosen, the game follows the desktop again.
        KeepChosenLanguage(SettingsFile(), index == 0 ? QString() : languages[index]);
        if (languages[index] == current)
            return;
        //: After a new language is chosen with Ctrl+L: %1 is its name, in its own language.
        ShowMessageBox(QCoreApplication::translate(
                           "Window", "次に起動したときから、ゲームは%1で表示されます。")
                           .arg(Name));
    });
    dialog->open();
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
    for (TLumeButton *button : BtnMain)
        button->hide();
}

void TFormMain::AddChoice(const TChoice &Choice, TProcedure Action)
{
    // No step of the game offers more than three choices.
    Q_ASSERT(ChoiceCount >= 0 && ChoiceCount < ChoiceSlots);
    if (ChoiceCount < 0 || ChoiceCount >= ChoiceSlots)
        return;
    const int slot = ChoiceCount;
    BtnMain[slot]->SetCaption(QCoreApplication::translate("Choice", Choice.Caption));
    BtnMain[slot]->setAccessibleDescription(ChoiceMeaning(Choice));
    BtnMain[slot]->show();
    ChoiceActions[slot] = Action;
    ++ChoiceCount;
    // Each step starts a keyboard player on its first choice, never on a
    // choice left from the step before.
    if (slot == 0)
        BtnMain[slot]->setFocus(Qt::OtherFocusReason);
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

void TFormMain::ShowSide(const TBattler &Side, TLumeLabel *HP,
                         const std::array<TLumeLabel *, StatRows> &Values, bool CountDown)
{
    HP->SetCaption(StarText(Side.HP, Side.MaxHP, CountDown));
    for (size_t i = 0; i < Values.size(); ++i) {
        const TStat &stat = StatsInDisplayOrder[i];
        const int32_t value = Side.*stat.Current;
        // Grey while lowered from the base value.
        Values[i]->SetFontColour(value == Side.*stat.Base ? Black : Grey);
        Values[i]->SetCaption(IntToStr(value));
    }
}

void TFormMain::ShowPlayerStatus()
{
    ShowSide(Player, LabMyHP, LabMyStatus, true);
}

void TFormMain::ShowEnemyStatus()
{
    ShowSide(Enemy, LabEnemyHP, LabEnemyStatus, false);
}

void TFormMain::ClearEnemyStatus()
{
    LabEnemyHP->SetCaption({});
    for (TLumeLabel *label : LabEnemyStatus)
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

TLumeLabel *TFormMain::DiceLabel(TDiceLabel Dice) const
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

void TFormMain::ShowDice(TDiceLabel Dice, int32_t Value, bool Forced)
{
    TLumeLabel *label = DiceLabel(Dice);
    Q_ASSERT(label);
    label->SetFontColour(Forced ? ForcedColour : MessageColour);
    //: A dice label: the number (%1, 0 to 99, or 100 after an Idea Burst) that is added to
    //: a stat.
    label->SetCaption(Dice::tr("＋%1").arg(IntToStr(Value)));
}

void TFormMain::ClearDice(TDiceLabel Dice)
{
    TLumeLabel *label = DiceLabel(Dice);
    label->SetFontColour(MessageColour);
    label->SetCaption({});
}

void TFormMain::ShowBurstButton(TBurstButton State)
{
    switch (State) {
    case TBurstButton::Hidden:
        BtnIdeaBurst->hide();
        return;
    case TBurstButton::Offered:
        BtnIdeaBurst->setEnabled(true);
        BtnIdeaBurst->show();
        return;
    case TBurstButton::Spent:
        BtnIdeaBurst->setEnabled(false);
        return;
    }
    Q_UNREACHABLE();
}

void TFormMain::ShowBurstRoll(int32_t Reason, int32_t Roll)
{
    //: The Idea Burst button while the player's dice roll: %1 the player's reason, %2 the
    //: burst roll; a press lowers the reason by a tenth and forces 100 if the two reach it.
    BtnIdeaBurst->SetCaption(Dice::tr("%1＋%2").arg(IntToStr(Reason), IntToStr(Roll)));
}

void TFormMain::ShowEnemyBurstRoll(int32_t Roll)
{
    //: Shown under the enemy's reason when it tries an Idea Burst: %1 its burst roll.
    LabIBEnemy->SetCaption(Dice::tr("%1＋").arg(IntToStr(Roll)));
}

void TFormMain::ClearEnemyBurstRoll()
{
    LabIBEnemy->SetCaption({});
}

void TFormMain::ShowTitleFrame(TLumeBitmap &Surface)
{
    CopyToPaintBox(Surface, *PntTitle);
}

void TFormMain::ShowBackdrop(const TLumeBitmap &Surface)
{
    CopyToImage(Surface, *ImgVuraviv);
}

void TFormMain::Alert(const QString &Text)
{
    ShowMessageBox(Text);
}
