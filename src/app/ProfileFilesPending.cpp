// Saving and loading profile files come with their own library. Until it is part of the build,
// the program says that it can't, rather than pretend to have saved or loaded anything.
#include "KeyboardProfile.h"

bool KeyboardProfile::saveProfileFile(const std::u16string&) { return false; }

bool KeyboardProfile::loadProfileFile(const std::u16string&) { return false; }
