[Version] 2.0
# Hz S RI R 50
[Number of Ports] 2
[Two-Port Data Order] 12_21
[Number of Frequencies] 2
[Number of Noise Frequencies] 1
[Reference]
50 50
[Network Data]
1 0.1 0 0.2 0 0.3 0 0.4 0
2 0.1 0 0.2 0
 0.3 0 0.4 0
[Noise Data]
1 2.5 0.3 45 0.4
[End]
