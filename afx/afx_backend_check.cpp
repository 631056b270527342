// Compiled into every backend's library: the build (cmake/platform.cmake)
// sets exactly one backend define, and a target that adds another, or a tree
// that lost it, stops here instead of mixing two backends' headers.
#if defined(AFX_BACKEND_X11) + defined(AFX_BACKEND_WIN32) + defined(AFX_BACKEND_COCOA) != 1
#error "The build sets exactly one of AFX_BACKEND_X11, AFX_BACKEND_WIN32, AFX_BACKEND_COCOA"
#endif
