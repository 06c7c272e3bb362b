"""The end-to-end harness: what every platform shares (the program's facts, songs, the recording,
waiting, the player's verbs and the steps built on them) and one driver package per platform."""
