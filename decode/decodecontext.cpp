#include "decode/decodecontext.h"

#include "lang/einstellungen.h"
#include "lang/sprachen.h"

namespace zevo {

int DecodeContext::Sprache() const
{
    return LimitSprache(settings.Sprache);
}

int DecodeContext::VehicleTypeSetting() const
{
    return settings.einstellungen.Field[VehicleTypeField];
}

}  // namespace zevo
