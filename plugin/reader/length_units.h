// Conversions between the length units of the reader.
//
// - file units: mil, mm or inch, as the file's header (or a unit word) says;
// - internal units: one ten-thousandth of a mil, 32-bit signed (about +-214748 mil);
// - schematic units: 10 mil, the unit of every length handed to the host's schematic editor.
//
// Every rounding is to the nearest integer with ties to even. A result beyond the 32-bit range
// saturates to the nearest representable value (the data model has no such lengths; this only
// keeps the conversion defined).
#pragma once

#include <cstdint>

// mil -> internal units: round(mil * 10000), the product in double precision.
int32_t MilToInternal(double mil);
// mm -> internal units: round(mm * 10000 / 0.0254), the quotient formed in extended precision
// and stored as a double before rounding.
int32_t MMToInternal(double mm);
// internal units -> mil, the fraction of a mil rounded to three decimals.
double InternalToMil(int32_t internal);
// internal units -> schematic units (10 mil): round(InternalToMil(internal) / 10).
int32_t InternalToSchematic(int32_t internal);
