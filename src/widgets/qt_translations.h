#pragma once

#include <QString>

// Qt's own texts (message-box buttons, file dialogs) in the language of the
// program's texts. The language code comes from the texts in force (text
// 45006: "es", "en", "fr"); a language Qt has no translation for leaves
// Qt's English. Replaces the translation put in force before.
void PutQtTranslationsInForce();

// The code of the language in force, from the program's texts.
QString LanguageCodeInForce();
