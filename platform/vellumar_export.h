// What libvellumar_core exports: the control, its headless host and the drawing surface a host keeps, and
// nothing of the code beneath them.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define VELLUMAR_CORE_EXPORT __attribute__((visibility("default")))
#else
#define VELLUMAR_CORE_EXPORT
#endif
