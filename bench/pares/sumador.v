// A 4-bit ripple-carry adder of 36 NAND gates, nine per full adder wired as in
// "sumador-nand": A on levers 0-3, B on levers 4-7, one lever moved per step in Gray order,
// M steps.
module sumador;
  parameter M = 1000;
  reg [7:0] palancas = 8'b0;
  wire [3:0] a = palancas[3:0];
  wire [3:0] b = palancas[7:4];
  wire [4:0] acarreo;
  wire [3:0] suma;
  assign acarreo[0] = 1'b0;
  genvar i;
  generate
    for (i = 0; i < 4; i = i + 1) begin : bit
      wire n0, n1, n2, n3, n4, n5, n6;
      nand (n0, a[i], b[i]);
      nand (n1, a[i], n0);
      nand (n2, b[i], n0);
      nand (n3, n1, n2);
      nand (n4, n3, acarreo[i]);
      nand (n5, n3, n4);
      nand (n6, acarreo[i], n4);
      nand (suma[i], n5, n6);
      nand (acarreo[i + 1], n4, n0);
    end
  endgenerate
  integer k;
  initial begin
    for (k = 1; k <= M; k = k + 1) #1 palancas = k[7:0] ^ (k[7:0] >> 1);
    #1 $display("final %b %b", acarreo[4], suma);
    $finish;
  end
endmodule
