# Closing the main window leaves the others open; the last window closing ends the program.
click help
click Command2
close Form1
state
> {"state":{"Form1":{"open":false},"Form2":{"open":true},"Form3":{"open":true}}}
close Form3
state
> {"state":{"Form2":{"open":true},"Form3":{"open":false}}}
close Form2
> {"exit":true}
