#pragma once

// Puts in force the language the environment asks for (see
// framework/user_language.h): Spanish by the built-in texts, English and
// French by the language files beside the program, as the desktop finds
// them, so that an installed program and the build tree both speak them.
// A language file that cannot be read leaves the built-in texts, with a
// warning on standard error.
void PutCliLanguageInForce();
