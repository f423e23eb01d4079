/// \file vellumar_global.h
/// What the Vellumar Qt library exports: its public classes, and nothing of the code they are built on.
/// Every public header includes it; it also gives the version macros of `<VellumarVersion>`.
#pragma once

/// \namespace vellumar
/// The Vellumar classes and the control they are built on.

/// Marks a class the Qt library exports; it makes no difference to a program using the library.
#if defined(__GNUC__) || defined(__clang__)
#define VELLUMAR_QT_EXPORT __attribute__((visibility("default")))
#else
#define VELLUMAR_QT_EXPORT
#endif
