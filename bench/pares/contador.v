// A 16-bit ripple counter of JK flip-flops (J = K = 1, toggling on the falling edge of
// their clock, as the 74112s of "contador-rizado"), each clocked by the previous Q; the
// first clock is moved up and down M times. One net per stage.
module biestable(input reloj, output reg q);
  initial q = 1'b0;
  always @(negedge reloj) q <= ~q;
endmodule

module contador;
  parameter M = 1000;
  reg reloj = 1'b0;
  genvar i;
  generate
    for (i = 0; i < 16; i = i + 1) begin : etapa
      wire q;
      if (i == 0) begin : primera
        biestable b (reloj, q);
      end else begin : siguiente
        biestable b (etapa[i - 1].q, q);
      end
    end
  endgenerate
  integer k;
  initial begin
    for (k = 0; k < M; k = k + 1) begin
      #1 reloj = 1'b1;
      #1 reloj = 1'b0;
    end
    #1 $display("final %b%b%b%b", etapa[15].q, etapa[14].q, etapa[13].q, etapa[12].q);
    $finish;
  end
endmodule
