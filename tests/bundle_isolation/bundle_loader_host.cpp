// Loads the bundle executables named on the command line into this one
// process, in that order, the hard way for a bundle that exports too much:
// every reference bound at once (RTLD_NOW) and each bundle's exports put in
// the global scope (RTLD_GLOBAL), where every bundle loaded after it would
// find them. Prints one line a bundle; exit 1 at the first that fails.
#include <dlfcn.h>

#include <cstdio>

// The Audio Unit calls the view bundle leaves to its host, as a Mac host
// provides them; nothing here calls the bundle, so none of these runs.
#define VLT_HOST_CALL(name) \
    extern "C" __attribute__((visibility("default"))) int name() { return -1; }
VLT_HOST_CALL(AudioUnitGetParameter)
VLT_HOST_CALL(AUListenerCreate)
VLT_HOST_CALL(AUListenerDispose)
VLT_HOST_CALL(AUListenerAddParameter)
VLT_HOST_CALL(AUListenerRemoveParameter)
VLT_HOST_CALL(AUParameterSet)
VLT_HOST_CALL(AUParameterListenerNotify)
VLT_HOST_CALL(AUEventListenerNotify)

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bundle_loader_host EXECUTABLE...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (!dlopen(argv[i], RTLD_NOW | RTLD_GLOBAL)) {
            std::printf("FAIL: %s\n", dlerror());
            return 1;
        }
        std::printf("loaded %s\n", argv[i]);
        std::fflush(stdout);
    }
    return 0;
}
