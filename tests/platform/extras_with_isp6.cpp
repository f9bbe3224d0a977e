// Test stand-in for the extras library, with the export the program probes for.

extern "C" __attribute__((visibility("default"))) int isP6();

int isP6() {
    return 6;
}
