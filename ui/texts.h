// Texts that more than one window shows, each written once.
#pragma once

namespace pumpvale::texts {

// The maker's name, postal address, phone and fax, one item to a line: the address block of the intro
// window (Form1, Label3) and of the main window (Form2, Label6). The company and its address are
// invented; the numbers lie in the 555-0100 to 555-0199 range kept for fiction.
inline constexpr const char* kMakerAddress = "durvane, Inc.\n"
                                             "2250 Rotor Way\n"
                                             "Millbrook, OH 45999\n"
                                             "Phone: (614) 555-0142\n"
                                             "Fax: (614) 555-0143";

} // namespace pumpvale::texts
