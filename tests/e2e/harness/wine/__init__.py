"""The driver for the Windows program under Wine: the real otopicco.exe in a private Wine prefix,
inspected by probe.exe, heard through the speech stand-in's log and the null sink's recording."""
