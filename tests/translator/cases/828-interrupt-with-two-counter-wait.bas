' A two-counter WAIT anywhere in the program: the interrupt entry keeps
' W#VLTy as it keeps W#VLTx, and selects bank 0 after the save.
DIM N AS BYTE
ON EXTERNAL INTERRUPT CALL CONTA
WAIT 10, 20
END
SUB CONTA
N = N + 1
END SUB
