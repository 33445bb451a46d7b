#pragma once

#include <span>
#include <string>
#include <string_view>

#include "dialog_builder.h"

namespace resonara {

// Names every control of a built dialog the way a screen reader speaks it:
// push buttons and check boxes by their text, fields by the template's
// accessible-name rows ("Vas (liters)", "Fs (Hz)", "Length (cm)"). A unit
// label's text is read as it stands now, so this runs once when the dialog is
// built and again after every data exchange out, which is what changes them.
// Controls that are neither buttons nor named by a row are left alone.
void ApplyAccessibleNames(const DialogTemplate& dialogTemplate, std::span<const BuiltControl> controls);

// A control text as spoken: "&Box Calculator" -> "Box Calculator", "Fish && Chips" -> "Fish & Chips".
std::string WithoutMnemonic(std::string_view text);

}  // namespace resonara
