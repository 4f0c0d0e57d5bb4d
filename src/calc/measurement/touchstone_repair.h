#pragma once

// What the reader repairs in files the format refuses but users expect to
// open, each with the note the window shows. Internal to the reader.

#include <cstddef>
#include <string>

#include "calc/measurement/touchstone.h"
#include "calc/measurement/touchstone_header.h"

namespace tolvar::calc::measurement::detail {

// Puts the points in frequency order (a stable sort: equal frequencies keep
// their file order), then keeps the first point of each frequency, and adds a
// note for each of the two it had to do. The values move with their
// frequencies in place: nothing is copied but an order of the points.
void PutInFrequencyOrder(Measurement& measurement);

// "1 magnitude of minus infinity dB read as 0", for count of them.
std::string MinusInfinityNote(std::size_t count);

// "port references of 50 and 25 ohm renormalised to 50 ohm".
std::string RenormalisedNote(const PortReferences& references, double toOhm);

}  // namespace tolvar::calc::measurement::detail
