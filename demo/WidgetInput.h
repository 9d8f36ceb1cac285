// GLUT's keyboard and mouse callbacks for a window that shows a UI context. Every event goes to
// the context that currentContext returns at that moment (nothing while it returns null), the
// mouse positions moved from window pixels into the 800 x 600 picture, which a resized window
// shows stretched. The callbacks only translate GLUT's events; the context does the rest.
#pragma once

class uiContext;

// Registers the keyboard, mouse, motion and passive motion callbacks of the current window.
void ForwardInputTo(uiContext* (*currentContext)());
