#pragma once

#include <QLocale>
#include <QString>

// Qt's own texts (message-box buttons, file dialogs and their file list) in
// the language of the program's texts. The language code comes from the
// texts in force (text 45006: "es", "en", "fr"); a language Qt has no
// translation for leaves Qt's English. Where Qt's translation lacks a text
// of the file dialog, the program's own text stands in. Replaces the
// translations put in force before.
void PutQtTranslationsInForce();

// The code of the language in force, from the program's texts.
QString LanguageCodeInForce();

// The locale of the language in force: the default locale when it speaks
// that language (so the desktop's regional variant stays), else the
// language's own.
QLocale LocaleInForce();
