#pragma once

#include "LumeControls.h"
#include "LumeForm.h"
#include "LumeUtility.h"

#include <array>
#include <cstdint>

struct TBattler;

// The game's only window: the title page and the main page, and the screen
// operations through which all game steps talk to the player.
class TFormMain : public TLumeForm {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *Owner = nullptr);
    ~TFormMain() override;

    void ShowText(const TSjis &Text);
    void ClearChoices();
    void AddChoice(const TSjis &Caption, TProcedure Action);
    void ShowPlayerStatus();
    void ShowEnemyStatus();
    void ClearEnemyStatus();
    void ShowStatValue(TLumeLabel *Label, int32_t Value, int32_t Base);

    void BtnMainClick(TLumeButton *Sender);
    void BtnIdeaBurstClick();
    void PntTitleClick();

    TLumePanel *PageTitle;
    TLumePaintBox *PntTitle;
    TLumePanel *PageMain;
    TLumeImage *ImgVuraviv;
    TLumeShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5;
    TLumeLabel *LabMainStatusName0, *Label1, *Label2, *Label3, *Label4;
    TLumeLabel *LabMyStatus0, *LabMyStatus1, *LabMyStatus2, *LabMyStatus3, *LabMyStatus4;
    TLumeLabel *LabEnemyStatus0, *LabEnemyStatus1, *LabEnemyStatus2, *LabEnemyStatus3,
        *LabEnemyStatus4;
    TLumeLabel *LabMyHP, *LabEnemyHP;
    TLumeLabel *LabMain, *LabDiceMine, *LabDiceEnemy, *LabIBEnemy;
    TLumeButton *BtnMain0, *BtnMain1, *BtnMain2, *BtnMain3, *BtnMain4;
    TLumeButton *BtnIdeaBurst;

    std::array<TLumeButton *, 5> ChoiceButtons{};
    std::array<TProcedure, 5> ChoiceActions{};
    int32_t ChoiceCount = 0;

private:
    void BuildLayout();
    // Stars and the five values of one side, in display order.
    void ShowSide(const TBattler &Side, TLumeLabel *HP, const std::array<TLumeLabel *, 5> &Values,
                  bool CountDown);
};

// The main window; set before its constructor's body runs, so start-up steps
// can reach the controls through it.
extern TFormMain *FormMain;

// Builds the star text: filled up to HP, hollow up to MaxHP. The player's
// stars count down from MaxHP, the enemy's up from 1.
TSjis StarText(int32_t HP, int32_t MaxHP, bool CountDown);
