#include "core/enums.h"

void registerEnumMetaTypes()
{
    qRegisterMetaType<FormEnum>("FormEnum");
    qRegisterMetaType<DialogOpt>("DialogOpt");
    qRegisterMetaType<Language>("Language");
    qRegisterMetaType<TimerType>("TimerType");
    qRegisterMetaType<graphicsEffectActual>("graphicsEffectActual");
    qRegisterMetaType<WelcomeType>("WelcomeType");
}
