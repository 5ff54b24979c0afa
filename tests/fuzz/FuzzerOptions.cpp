// AddressSanitizer keeps 256 MB of freed memory aside by default, to catch late uses; that
// counts in the resident size libFuzzer limits each input to, so the fuzzers keep 32 MB.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=32";
}
