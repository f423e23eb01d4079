// Keeps the Qt library non-empty while it has no other sources.
