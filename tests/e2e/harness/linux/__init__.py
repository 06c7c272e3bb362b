"""The driver for the native Linux program: the real otopicco in a private X, sound, D-Bus and
speech-dispatcher session, read through AT-SPI, the service's log and the null sink's recording."""
