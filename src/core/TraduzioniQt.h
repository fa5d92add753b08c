#pragma once

// Makes Qt's own dialogs speak Italian (the buttons of the Yes/No questions,
// the file chooser, the printer dialog) with the translations of Qt that the
// system has installed. The program's own texts are not touched. Called
// once, after the application is made; false when the translations are not
// installed, and the dialogs then keep Qt's English.
bool CaricaTraduzioniQt();
