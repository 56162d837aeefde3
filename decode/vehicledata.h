#pragma once
// The vehicle data the test stand prints before the tests: the vehicle type on
// the line after "KM:", and the total weight after "  GESAMTGEWICHT".

namespace zevo {

class PrintData;
struct DecodeContext;

// Sets VehicleType (and the vehicle-type setting) when the line names a type;
// the last of "P K W", "L K W", "AUTOBUS", "MOTORCYCLE", "TRAKTOR", "ANHAENGER"
// found wins. Then IsMotorcycle := VehicleType == 4.
void DecodeVehicleType(const PrintData& text, DecodeContext& context);

// Writes the weight titles, LinesB[15] (the weight as printed, unit included)
// and TotalWeight. A weight that is not a number leaves TotalWeight 0, adds a
// problem and returns false.
bool DecodeTotalWeight(const PrintData& text, DecodeContext& context);

}  // namespace zevo
