// Replaced as this folder's windows land.
