// The software extended arithmetic is selected with DISCORDANZA_SOFT_EXTENDED.
