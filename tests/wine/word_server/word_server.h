#pragma once
// The test Word: the built-in Word stand-in behind real IDispatch objects, made by a class
// factory, for the in-process server (DLL) and the local server (exe) alike.

#include <objbase.h>

namespace mochi::testword {

// The server's module (DLL or exe): where the type library and the report live.
void SetServerModule(HMODULE module);

// A new class factory for the application class, with one reference for the caller.
IClassFactory* NewClassFactory();

// Objects handed out and not yet released; the local server ends when it falls back to 0.
long LiveObjects();

}  // namespace mochi::testword
