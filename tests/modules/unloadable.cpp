// A module that is there but does not load: the library it needs is not
// on the loader's path.
extern "C" int dravinoGone();
extern "C" int dravinoUnloadable() { return dravinoGone(); }
