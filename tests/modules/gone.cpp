// A library a stand-in module needs and does not find where it is loaded.
extern "C" int dravinoGone() { return 1; }
