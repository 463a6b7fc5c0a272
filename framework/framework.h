#pragma once
// Our thin layer over USER32, named after the classes the launcher was designed with.
//
// Conventions:
// - What the user reads is UTF-16 (CString, the ...W calls, dialogs built as Unicode
//   windows): string-table texts (CString::LoadString) or the system's own texts.
//   Everything else (paths, class names, the registry) is char strings in the system's
//   ANSI code page through the ...A calls, as the game reads its files that way.
// - A CWnd is a handle plus behaviour. Windows we build (dialogs, frames) keep their
//   object in GWLP_USERDATA; controls are only attached (DDX_Control), never
//   subclassed, and their wrappers are one SendMessage each.
// - Messages are routed by one static procedure per kind of window into the class's
//   message map (message_map.h). Unhandled messages get the system's default
//   handling; a handler may ask for it early with Default().
// - An object is finished (PostNcDestroy, a frame's self-delete) only after its
//   window's last message and once the outermost of its messages has returned.
// - No exception leaves a window or dialog procedure: one that reaches it ends a
//   modal dialog with -1 or falls back to default handling.
// - Calls return BOOL/bool or the handle; the caller decides what a failure means.
// - One user-interface thread; nothing here is thread-safe.
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/cstring.h"
#include "framework/dialog.h"
#include "framework/frame_wnd.h"
#include "framework/instance.h"
#include "framework/paint_dc.h"
#include "framework/static.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

#ifdef UNICODE
#error "the framework names its A and W calls itself: build without UNICODE"
#endif
