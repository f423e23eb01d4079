// Keeps the headless library non-empty while its sources are being written.
