#pragma once

void MainMenu();
void NewGame();
void RerollPlayer();
void MenuSeek();
void MenuBoss();
void MenuSave();
