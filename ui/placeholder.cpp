// Binding of the core to Qt; filled in with the window.
