// Test stand-in for the extras library without the export the program probes for; it exports
// something else, so that a lookup can tell "loaded, export absent" from "not loaded".

extern "C" __attribute__((visibility("default"))) int isP5();

int isP5() {
    return 5;
}
