# Sources of the main window (TForm1).
