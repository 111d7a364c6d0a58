// The resource library needs one ordinary source file of its own.
namespace km { int resourcesAnchor() { return 0; } }
