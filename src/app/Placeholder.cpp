// Replaced as the main window lands.
