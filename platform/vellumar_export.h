// What libvellumar_core exports: the control and its headless host, and nothing of the code beneath them.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define VELLUMAR_CORE_EXPORT __attribute__((visibility("default")))
#else
#define VELLUMAR_CORE_EXPORT
#endif
