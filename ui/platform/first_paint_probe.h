#pragma once

class QCoreApplication;

namespace resonara {

// Start-up measurement (scripts/measure-startup.sh): with
// RESONARA_EXIT_AFTER_FIRST_PAINT=1 in the environment, the program prints
//     first-paint-ns <steady clock> window <width>x<height>
// once its first paint is on screen, then quits. Otherwise nothing happens.
void WatchForFirstPaintIfAsked(QCoreApplication& app);

}  // namespace resonara
