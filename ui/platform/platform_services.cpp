#include "platform_services.h"

namespace resonara {
namespace {

PlatformServices* current = nullptr;

}  // namespace

PlatformServices& Services() { return current != nullptr ? *current : RealServices(); }

PlatformServices* SetServices(PlatformServices* services) {
    PlatformServices* previous = current;
    current = services;
    return previous;
}

}  // namespace resonara
