Example stand-in for the game file glide2x.rsh; not a real library.
