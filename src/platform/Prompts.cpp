#include "Prompts.h"

#include "QtPrompts.h"

namespace {
Prompts* installed = nullptr;
}

Prompts& Prompts::current()
{
    static QtPrompts qtPrompts;
    return installed != nullptr ? *installed : qtPrompts;
}

Prompts* Prompts::install(Prompts* prompts)
{
    Prompts* previous = installed;
    installed = prompts;
    return previous;
}
