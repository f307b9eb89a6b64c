#pragma once

// A Qt application of the given kind for the whole run: Qt holds on to its
// arguments, so they live as long as the process.
template <typename Application> void startApplication() {
    static int args = 1;
    static char name[] = "fuzz";
    static char* argList[] = {name, nullptr};
    static auto* app = new Application(args, argList);
    (void)app;
}
