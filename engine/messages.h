#pragma once

namespace resonara {

// The texts of the message boxes a calculation run shows.
inline constexpr const char* kWarningCaption = "Warning";

inline constexpr const char* kQtsZeroMessage = "Calculation Stopped: Qts can't equal 0";
inline constexpr const char* kQesZeroMessage = "Calculation Stopped: Qes can't equal 0";
inline constexpr const char* kVasZeroMessage = "Calculation Stopped: Vas can't equal 0";
inline constexpr const char* kFsZeroMessage = "Calculation Stopped: Fs can't equal 0";
inline constexpr const char* kPmaxZeroMessage = "Calculation Stopped: Pmax can't equal 0";
inline constexpr const char* kDiameterZeroMessage = "Calculation Stopped: Speaker Diameter can't equal 0";
inline constexpr const char* kXmaxZeroMessage = "Calculation Stopped: Xmax can't equal 0";

inline constexpr const char* kPortWarningMessage =
    "Port diameter too small. Try using a larger diameter.\n"
    "Note: The diameter can be used but port noise might be produced.\n"
    "Calculation will continue.";

}  // namespace resonara
