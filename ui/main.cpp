#include "enclosure_app.h"

namespace {
resonara::CEnclosureApp theApp;
}

int main(int argc, char** argv) { return theApp.Run(argc, argv); }
