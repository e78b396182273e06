// A chain of N inverters whose input is flipped M times: the peer of "inversores-N". One
// net per stage (a wide vector would wake every stage on each change).
module cadena;
  parameter N = 540;
  parameter M = 1000;
  reg entrada = 1'b0;
  genvar i;
  generate
    for (i = 0; i < N; i = i + 1) begin : etapa
      wire y;
      if (i == 0) begin : primera
        not (y, entrada);
      end else begin : siguiente
        not (y, etapa[i - 1].y);
      end
    end
  endgenerate
  integer k;
  initial begin
    for (k = 0; k < M; k = k + 1) #1 entrada = ~entrada;
    #1 $display("final %b", etapa[N - 1].y);
    $finish;
  end
endmodule
