[Version] 2.0
# Hz
[Number of Ports] 2
[Reference] 50 75
[Mixed-Mode Order] D1,2
[Network Data]
