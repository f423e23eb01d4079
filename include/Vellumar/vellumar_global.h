// What the Vellumar Qt library exports: its public classes, and nothing of the code they are built on.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define VELLUMAR_QT_EXPORT __attribute__((visibility("default")))
#else
#define VELLUMAR_QT_EXPORT
#endif
