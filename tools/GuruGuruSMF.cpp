// FIXME: placeholder until the library is written.
extern "C" {
int GGSSetDevice(int, int) { return 0; }
void GGSStop() {}
void GGSFree() {}
}
