#pragma once

#include "LumeUtility.h"

#include <array>

// The main menu shows one of these, drawn at random, each time it opens.
extern const std::array<TSjis, 10> FlavourLines;

void MainMenu();
void NewGame();
void RerollPlayer();
void MenuSeek();
void MenuBoss();
void MenuSave();
